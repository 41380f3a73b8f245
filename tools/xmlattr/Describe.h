// How each value type's fields are shown, through its public accessors and members only.
#pragma once

#include "Fields.h"

#include <xmlattr/length/LengthAttribute.h>
#include <xmlattr/length/LengthOrPercent.h>

namespace Tool {

void describe(Fields& out, Xml::Length const& value);
void describe(Fields& out, Xml::SLength const& value);
void describe(Fields& out, Xml::LengthOrPercent const& value);
void describe(Fields& out, Xml::SLengthOrPercent const& value);

} // namespace Tool
