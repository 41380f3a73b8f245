// Fields of references, free text and integers.
#include "Describe.h"

namespace Tool {

void describe(Fields& out, Xml::Url const& value) { out.text("url", value.getUrl().toUtf8()); }

void describe(Fields& out, Core::String const& value) { out.text("value", value.toUtf8()); }

void describe(Fields& out, int value) { out.integer("value", value); }

} // namespace Tool
