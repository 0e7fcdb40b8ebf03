#pragma once

#include "bridge/persistence/filestatusenumconverter.h"
#include "bridge/persistence/filetypeenumconverter.h"
#include "bridge/persistence/loglevelenumconverter.h"
#include "bridge/persistence/objectstatusenumconverter.h"
#include "bridge/persistence/objecttypeenumconverter.h"
#include "bridge/persistence/sourceenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace persistence {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<LogLevelEnumConverter, SourceEnumConverter, FileStatusEnumConverter,
    FileTypeEnumConverter, ObjectStatusEnumConverter, ObjectTypeEnumConverter>;
} // namespace persistence
} // namespace bridge
