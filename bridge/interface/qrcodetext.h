#pragma once

#include "core/machine/abstractqrcode.h"

#include <QString>

namespace bridge {
namespace interface {
namespace detail {

/// The text a core QR code encodes; empty when the code or its data is missing.
inline QString qrCodeText(const AbstractQrCode* code)
{
    return code && code->hasData() ? code->data() : QString();
}

} // namespace detail
} // namespace interface
} // namespace bridge
