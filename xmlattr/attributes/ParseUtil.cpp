// Xml::ParseUtil: thin wrappers over the shared cursor.
#include "xmlattr/attributes/ParseUtil.h"

#include "xmlattr/platform/detail/Cursor.h"

namespace Xml {

namespace {

// Runs `step` on a cursor placed at `pos` and writes the cursor's position back when
// it moved forward: a position past the end stays where the caller had it.
template <class Step> auto stepFrom(Core::String const& text, int& pos, Step step) {
    Core::detail::Cursor cursor(text, pos);
    auto result = step(cursor);
    if (cursor.position() > pos) {
        pos = cursor.position();
    }
    return result;
}

} // namespace

bool ParseUtil::skipWhiteSpace(Core::String const& text, int& pos) {
    return stepFrom(text, pos, [](Core::detail::Cursor& cursor) { return cursor.skipSpace(); });
}

bool ParseUtil::skipNonWhiteSpace(Core::String const& text, int& pos) {
    return stepFrom(text, pos, [](Core::detail::Cursor& cursor) { return cursor.skipNonSpace(); });
}

Core::String ParseUtil::extractWord(Core::String const& text, int& pos) {
    return Core::String(
        stepFrom(text, pos, [](Core::detail::Cursor& cursor) { return cursor.word(); }));
}

Core::String ParseUtil::extractWordOrFunction(Core::String const& text, int& pos) {
    return Core::String(
        stepFrom(text, pos, [](Core::detail::Cursor& cursor) { return cursor.wordOrFunction(); }));
}

} // namespace Xml
