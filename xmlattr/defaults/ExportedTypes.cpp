// Prints the attribute types as the exported-names check groups them, one a line: "owning",
// "plain" or "compiled_by_callers", then the type's mangled name, which c++filt -t spells as
// the library's symbols do. Made from the list and the descriptions, so that the check needs
// no list of its own.
#include "xmlattr/AttributeTypes.h"

#include <cstdio>
#include <type_traits>
#include <typeinfo>

namespace {

template <class T> void print() {
    // A held value with a destructor of its own is what makes the attribute's destructor
    // worth exporting.
    char const* const group = !Xml::kTypeDescription<T>.exported    ? "compiled_by_callers"
                              : std::is_trivially_destructible_v<T> ? "plain"
                                                                    : "owning";
    std::printf("%s %s\n", group, typeid(T).name());
}

template <class... T> void printAll(Xml::TypeList<T...>) { (print<T>(), ...); }

} // namespace

int main() {
    printAll(Xml::AttributeTypes());
    return 0;
}
