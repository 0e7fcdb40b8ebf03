#pragma once

#include "bridge/interface/brightnessenumconverter.h"
#include "bridge/interface/energymodeenumconverter.h"
#include "bridge/interface/mediatypeenumconverter.h"
#include "bridge/interface/playlistmanagementoptionenumconverter.h"
#include "bridge/interface/playlistmodeenumconverter.h"
#include "bridge/interface/playlistusageenumconverter.h"
#include "bridge/interface/qrcodemodeenumconverter.h"
#include "bridge/interface/selectionmodeenumconverter.h"
#include "bridge/interface/selectionmodesetupenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace interface {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters
    = lguim::TypeList<BrightnessEnumConverter, EnergyModeEnumConverter, MediaTypeEnumConverter,
        PlaylistManagementOptionEnumConverter, PlaylistModeEnumConverter, PlaylistUsageEnumConverter,
        QRCodeModeEnumConverter, SelectionModeEnumConverter, SelectionModeSetupEnumConverter>;
} // namespace interface
} // namespace bridge
