#pragma once

#include <QFileInfo>
#include <QString>

class GuiCustomization;

namespace bridge {
namespace interface {
namespace detail {

/// One of the screen layer's logo sources.
struct LogoSource
{
    QString (GuiCustomization::*get)() const;
    void (GuiCustomization::*set)(const QString&);
};

/// Sets the source to `file` as a "file://" address and stores it; when the
/// store refuses, logs under `signature` and puts the previous source back.
void storeLogoSource(const LogoSource& source, const QFileInfo& file, const char* signature);

} // namespace detail
} // namespace interface
} // namespace bridge
