#pragma once

#include "lea/priv/newtype.h"

#include <QMetaType>
#include <QString>

namespace lea {
namespace priv {
namespace tag {
struct ProductDbId;
struct RecipeDbId;
struct RecipeStepDbId;
struct RecipeStepIngredientDbId;
struct CategoryDbId;
struct CanisterDbId;
struct CustomizationDbId;
struct CustomizationAdjustmentDbId;
struct PlaylistDbId;
struct PlaylistMediaDbId;
struct FileDownloadId;
struct ObjectDownloadId;
struct RemoteRequestId;
struct QuickCodeId;
struct RotatingLogId;
struct AmiCloId;
} // namespace tag
} // namespace priv

// Row ids of the core's (or this library's) tables, one distinct type per table.
using ProductDbId = priv::NewType<priv::tag::ProductDbId, unsigned int>;
using RecipeDbId = priv::NewType<priv::tag::RecipeDbId, unsigned int>;
using RecipeStepDbId = priv::NewType<priv::tag::RecipeStepDbId, unsigned int>;
using RecipeStepIngredientDbId = priv::NewType<priv::tag::RecipeStepIngredientDbId, unsigned int>;
using CategoryDbId = priv::NewType<priv::tag::CategoryDbId, unsigned int>;
using CanisterDbId = priv::NewType<priv::tag::CanisterDbId, unsigned int>;
using CustomizationDbId = priv::NewType<priv::tag::CustomizationDbId, unsigned int>;
using CustomizationAdjustmentDbId = priv::NewType<priv::tag::CustomizationAdjustmentDbId, unsigned int>;
using PlaylistDbId = priv::NewType<priv::tag::PlaylistDbId, unsigned int>;
using PlaylistMediaDbId = priv::NewType<priv::tag::PlaylistMediaDbId, unsigned int>;
using FileDownloadId = priv::NewType<priv::tag::FileDownloadId, unsigned int>;
using ObjectDownloadId = priv::NewType<priv::tag::ObjectDownloadId, unsigned int>;
using RemoteRequestId = priv::NewType<priv::tag::RemoteRequestId, unsigned int>;
using QuickCodeId = priv::NewType<priv::tag::QuickCodeId, unsigned int>;

/// Opaque handle of a custom log: the identity of the log file object.
using RotatingLogId = priv::NewType<priv::tag::RotatingLogId, void*>;

/// Identifier of an AmiClo media item.
using AmiCloId = priv::NewType<priv::tag::AmiCloId, QString>;

} // namespace lea

// Ids travel in signals, so queued connections and signal spies must know them.
Q_DECLARE_METATYPE(lea::ProductDbId)
Q_DECLARE_METATYPE(lea::RecipeDbId)
Q_DECLARE_METATYPE(lea::CategoryDbId)
Q_DECLARE_METATYPE(lea::CustomizationDbId)
Q_DECLARE_METATYPE(lea::PlaylistDbId)
Q_DECLARE_METATYPE(lea::FileDownloadId)
Q_DECLARE_METATYPE(lea::ObjectDownloadId)
Q_DECLARE_METATYPE(lea::RemoteRequestId)
