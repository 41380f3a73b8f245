// The view box reader.
#include "xmlattr/svg/ViewBox.h"

#include "xmlattr/attributes/detail/Cursor.h"
#include "xmlattr/length/detail/LengthText.h"

#include <cstddef>

namespace Xml {

template class TXmlAttribute<ViewBox>;

static_assert(offsetof(ViewBox, minX) == 0 && offsetof(ViewBox, minY) == sizeof(SLengthOrPercent) &&
              offsetof(ViewBox, width) == 2 * sizeof(SLengthOrPercent) &&
              offsetof(ViewBox, height) == 3 * sizeof(SLengthOrPercent));

bool ValueTraits<ViewBox>::parse(ViewBox& value, Core::String const& text) noexcept {
    detail::Cursor cursor(text);
    ViewBox read;
    for (SLengthOrPercent* member : {&read.minX, &read.minY, &read.width, &read.height}) {
        SLengthOrPercent word;
        if (!detail::readSLengthOrPercent(cursor.word(), word)) {
            return false;
        }
        *member = word;
    }
    value = read;
    return true;
}

} // namespace Xml
