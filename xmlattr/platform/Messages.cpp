// The runtime's message table: patterns of the warnings the library logs.
#include "xmlattr/platform/String.h"

namespace Core {

namespace {

struct Message {
    int id;
    char16_t const* pattern;
};

// clang-format off
constexpr Message kMessages[] = {
    {30000, u"Malformed spot color \"{0}\"; the value is ignored."},
    {30001, u"No substitute is known for spot color \"{0}\"; black is used."},
    {30002, u"Malformed ICC color \"{0}\"; the value is ignored."},
};
// clang-format on

} // namespace

String String::loadString(int id) {
    for (Message const& message : kMessages) {
        if (message.id == id) {
            return String(message.pattern);
        }
    }
    return String();
}

} // namespace Core
