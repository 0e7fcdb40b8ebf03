#pragma once

#include <cstdint>
#include <QString>

namespace lea {

/// A QR code the machine shows: its id and the address it encodes.
struct QRCodeData
{
    int32_t id = 0;
    QString url;
};

} // namespace lea
