// The view box reader.
#include "xmlattr/svg/ViewBox.h"

#include "xmlattr/length/detail/LengthText.h"
#include "xmlattr/platform/detail/Cursor.h"

#include <cstddef>

namespace Xml {

template class TXmlAttribute<ViewBox>;

static_assert(offsetof(ViewBox, minX) == 0 && offsetof(ViewBox, minY) == sizeof(SLengthOrPercent) &&
              offsetof(ViewBox, width) == 2 * sizeof(SLengthOrPercent) &&
              offsetof(ViewBox, height) == 3 * sizeof(SLengthOrPercent));

bool ValueTraits<ViewBox>::parse(ViewBox& value, Core::String const& text) noexcept {
    Core::detail::Cursor cursor(text);
    ViewBox read;
    bool first = true;
    for (SLengthOrPercent* member : {&read.minX, &read.minY, &read.width, &read.height}) {
        // Only white space before the first measure.
        if (first) {
            cursor.skipSpace();
        } else {
            cursor.skipSeparator();
        }
        first = false;
        SLengthOrPercent measure;
        if (!detail::readSLengthOrPercent(cursor.item(), measure)) {
            return false;
        }
        *member = measure;
    }
    cursor.skipSpace();
    if (!cursor.atEnd()) {
        return false;
    }
    value = read;
    return true;
}

} // namespace Xml
