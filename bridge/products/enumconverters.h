#pragma once

#include "bridge/products/adjustmenttypeenumconverter.h"
#include "bridge/products/categorytypeenumconverter.h"
#include "bridge/products/cuptypeenumconverter.h"
#include "bridge/products/customizationiconenumconverter.h"
#include "bridge/products/customizationtypeenumconverter.h"
#include "bridge/products/ingredienttypeenumconverter.h"
#include "bridge/products/logicalingredientenumconverter.h"
#include "bridge/products/mixerspeedenumconverter.h"
#include "bridge/products/powdercycleenumconverter.h"
#include "bridge/products/pressurecurrentenumconverter.h"
#include "bridge/products/productattributeenumconverter.h"
#include "bridge/products/producttypeenumconverter.h"
#include "bridge/products/steptypeenumconverter.h"
#include "bridge/products/upsellingtypeenumconverter.h"
#include "bridge/products/watertypeenumconverter.h"
#include "bridge/typelist.h"

namespace bridge {
namespace products {
/// Every enumeration converter of this area, for code that covers them all.
using EnumConverters = lguim::TypeList<AdjustmentTypeEnumConverter, CategoryTypeEnumConverter,
    CupTypeEnumConverter, CustomizationIconEnumConverter, CustomizationTypeEnumConverter,
    IngredientTypeEnumConverter, LogicalIngredientEnumConverter, MixerSpeedEnumConverter,
    PowderCycleEnumConverter, PressureCurrentEnumConverter, ProductAttributeEnumConverter,
    ProductTypeEnumConverter, StepTypeEnumConverter, UpsellingTypeEnumConverter, WaterTypeEnumConverter>;
} // namespace products
} // namespace bridge
