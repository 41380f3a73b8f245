// The aspect-ratio reader: two keyword tables.
#include "xmlattr/svg/SPreserveAspectRatio.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/platform/detail/Cursor.h"
#include "xmlattr/svg/detail/AspectRatioKeywords.h"

namespace Xml {

template class TXmlAttribute<SPreserveAspectRatio>;

namespace {

using A = SPreserveAspectRatio;

static_assert(sizeof(SPreserveAspectRatio) == 4 && A().getAspectRatio() == 146);

constexpr KeywordTable<int> kAlignmentTable{.reads = detail::kAspectAlignmentKeywords};
constexpr KeywordTable<int> kMeetOrSliceTable{.reads = detail::kMeetOrSliceKeywords};
static_assert(isWellFormed(kAlignmentTable) && isWellFormed(kMeetOrSliceTable));

} // namespace

bool ValueTraits<SPreserveAspectRatio>::parse(SPreserveAspectRatio& value,
                                              Core::String const& text) noexcept {
    Core::detail::Cursor cursor(text);
    std::u16string_view const alignment = cursor.word();
    std::u16string_view const meetOrSlice = cursor.word();
    int bits = A::AspectXMid | A::AspectYMid;
    static_cast<void>(readKeyword(kAlignmentTable, alignment, bits));
    if (bits != A::AspectNone) {
        int rule = meetOrSlice.empty() ? int(A::AspectMeet) : 0;
        static_cast<void>(readKeyword(kMeetOrSliceTable, meetOrSlice, rule));
        bits |= rule;
    }
    value = SPreserveAspectRatio(bits);
    return true;
}

} // namespace Xml
