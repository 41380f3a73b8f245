// The whole public interface of the library.
#pragma once

#include "xmlattr/platform/Allocator.h"
#include "xmlattr/platform/Color.h"
#include "xmlattr/platform/ColorSubstitute.h"
#include "xmlattr/platform/DateTime.h"
#include "xmlattr/platform/DrawingTypes.h"
#include "xmlattr/platform/Exception.h"
#include "xmlattr/platform/Export.h"
#include "xmlattr/platform/Format.h"
#include "xmlattr/platform/Log.h"
#include "xmlattr/platform/Object.h"
#include "xmlattr/platform/SmartPtr.h"
#include "xmlattr/platform/String.h"
#include "xmlattr/platform/StringFormatStream.h"
#include "xmlattr/platform/Vector.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/ParseUtil.h"
#include "xmlattr/attributes/TXmlAttribute.h"
#include "xmlattr/attributes/XmlAttribute.h"

#include "xmlattr/length/LengthAttribute.h"
#include "xmlattr/length/LengthOrPercent.h"

#include "xmlattr/language/Language.h"

#include "xmlattr/chart/AxisUnits.h"
#include "xmlattr/chart/FloatAttribute.h"
#include "xmlattr/chart/Value.h"
