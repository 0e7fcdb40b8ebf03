#pragma once

#include "nonstd/optional.hpp"

#include <QMetaType>
#include <QString>

/// The nullable texts of catalogue objects, as property values.
Q_DECLARE_METATYPE(nonstd::optional<QString>)
