#pragma once

#include "bridge/persistence/filestatusenumconverter.h"
#include "bridge/persistence/filetypeenumconverter.h"
#include "bridge/persistence/linesorderenumconverter.h"
#include "bridge/persistence/loglevelenumconverter.h"
#include "bridge/persistence/objectstatusenumconverter.h"
#include "bridge/persistence/objecttypeenumconverter.h"
#include "bridge/persistence/sourceenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace persistence {
/// Every enumeration converter of this area, for code that covers them all. The
/// modules are objects on the core's side: LogModuleConverter converts them.
using EnumConverters = lguim::TypeList<LogLevelEnumConverter, LinesOrderEnumConverter, SourceEnumConverter,
    FileStatusEnumConverter, FileTypeEnumConverter, ObjectStatusEnumConverter, ObjectTypeEnumConverter>;
} // namespace persistence
} // namespace bridge
