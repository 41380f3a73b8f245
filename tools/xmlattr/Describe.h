// How each value type's fields are shown, through its public accessors and members only.
#pragma once

#include "Fields.h"

#include <xmlattr/xmlattr.h>

namespace Tool {

void describe(Fields& out, Xml::Length const& value);
void describe(Fields& out, Xml::SLength const& value);
void describe(Fields& out, Xml::LengthOrPercent const& value);
void describe(Fields& out, Xml::SLengthOrPercent const& value);

void describe(Fields& out, Xml::Language const& value);

void describe(Fields& out, Xml::Value const& value);
void describe(Fields& out, Xml::AxisUnits const& value);
void describe(Fields& out, float value);

void describe(Fields& out, Xml::Url const& value);
void describe(Fields& out, Core::String const& value);
void describe(Fields& out, int value);

} // namespace Tool
