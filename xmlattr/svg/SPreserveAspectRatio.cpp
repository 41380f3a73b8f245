// The aspect-ratio reader: two keyword tables.
#include "xmlattr/svg/SPreserveAspectRatio.h"

#include "xmlattr/attributes/KeywordTable.h"
#include "xmlattr/attributes/detail/Cursor.h"

namespace Xml {

template class TXmlAttribute<SPreserveAspectRatio>;

namespace {

using A = SPreserveAspectRatio;

static_assert(sizeof(SPreserveAspectRatio) == 4 && A().getAspectRatio() == 146);

// clang-format off
constexpr KeywordEntry<int> kAlignments[] = {
    {u"none",     A::AspectNone},
    {u"xMinYMin", A::AspectXMin | A::AspectYMin}, {u"xMidYMin", A::AspectXMid | A::AspectYMin},
    {u"xMaxYMin", A::AspectXMax | A::AspectYMin}, {u"xMinYMid", A::AspectXMin | A::AspectYMid},
    {u"xMidYMid", A::AspectXMid | A::AspectYMid}, {u"xMaxYMid", A::AspectXMax | A::AspectYMid},
    {u"xMinYMax", A::AspectXMin | A::AspectYMax}, {u"xMidYMax", A::AspectXMid | A::AspectYMax},
    {u"xMaxYMax", A::AspectXMax | A::AspectYMax},
};
constexpr KeywordEntry<int> kMeetOrSlice[] = {
    {u"meet", A::AspectMeet}, {u"slice", A::AspectSlice},
};
// clang-format on
constexpr KeywordTable<int> kAlignmentTable{.reads = kAlignments};
constexpr KeywordTable<int> kMeetOrSliceTable{.reads = kMeetOrSlice};
static_assert(isWellFormed(kAlignmentTable) && isWellFormed(kMeetOrSliceTable));

} // namespace

bool ValueTraits<SPreserveAspectRatio>::parse(SPreserveAspectRatio& value,
                                              Core::String const& text) noexcept {
    detail::Cursor cursor(text);
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
