// The list of attribute types against what the library holds and exports: a type that the
// library instantiates or gives a default but the list lacks would escape every check that
// goes over all attributes, and a listed type's description must say truly whether the
// library exports its attribute.
#include <xmlattr/AttributeTypes.h>
#include <xmlattr/defaults/DefaultList.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <typeinfo>

#if defined(__ELF__)
#include <elf.h>
#include <link.h>

#include <fstream>
#include <iterator>
#include <vector>
#endif

namespace {

template <class... T> int listedTypesOf(Xml::XmlAttribute const& attribute, Xml::TypeList<T...>) {
    return ((typeid(attribute) == typeid(Xml::TXmlAttribute<T>) ? 1 : 0) + ...);
}

TEST(AttributeTypes, ListTheTypeOfEveryDefault) {
    for (Xml::DefaultEntry const& entry : Xml::defaultAttributes()) {
        SCOPED_TRACE(Core::String(entry.name).toUtf8());
        EXPECT_EQ(listedTypesOf(*entry.attribute, Xml::AttributeTypes()), 1);
    }
}

#if defined(__ELF__)

// The virtual tables of attribute instantiations that a shared library exports, read from its
// dynamic symbol table: the one mark of an explicit instantiation that a program can see.
std::set<std::string> exportedAttributeTables(std::string const& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> const image{std::istreambuf_iterator<char>(file), {}};
    std::set<std::string> tables;
    if (image.size() < sizeof(Elf64_Ehdr) || image[EI_CLASS] != ELFCLASS64) {
        ADD_FAILURE() << "not a 64-bit ELF library: " << path;
        return tables;
    }
    auto const at = [&](std::size_t offset) { return image.data() + offset; };
    auto const* header = reinterpret_cast<Elf64_Ehdr const*>(at(0));
    auto const* sections = reinterpret_cast<Elf64_Shdr const*>(at(header->e_shoff));
    for (int i = 0; i < header->e_shnum; ++i) {
        if (sections[i].sh_type != SHT_DYNSYM) {
            continue;
        }
        Elf64_Shdr const& names = sections[sections[i].sh_link];
        auto const* symbols = reinterpret_cast<Elf64_Sym const*>(at(sections[i].sh_offset));
        for (std::size_t k = 0; k < sections[i].sh_size / sizeof(Elf64_Sym); ++k) {
            std::string const name = at(names.sh_offset + symbols[k].st_name);
            if (symbols[k].st_shndx != SHN_UNDEF && name.starts_with("_ZTVN3Xml13TXmlAttribute")) {
                tables.insert(name);
            }
        }
    }
    return tables;
}

template <class... T> std::set<std::string> describedAsExported(Xml::TypeList<T...>) {
    std::set<std::string> tables;
    // An Itanium type name is the mangled name without its "_ZTS"; its table's is "_ZTV" and it.
    ((Xml::kTypeDescription<T>.exported
          ? (void)tables.insert(std::string("_ZTV") + typeid(Xml::TXmlAttribute<T>).name())
          : (void)0),
     ...);
    return tables;
}

// The file of the loaded library, found by name: the address of a library function taken in
// a program may be the program's own stub, in another file.
std::string libraryPath() {
    std::string path;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            std::string_view const name = info->dlpi_name;
            if (name.find("/libxmlattr") != std::string_view::npos) {
                *static_cast<std::string*>(found) = name;
            }
            return 0;
        },
        &path);
    return path;
}

TEST(AttributeTypes, ListEveryInstantiationTheLibraryExportsAndNoOther) {
    std::string const library = libraryPath();
    ASSERT_FALSE(library.empty());
    std::set<std::string> const exported = exportedAttributeTables(library);
    std::set<std::string> const described = describedAsExported(Xml::AttributeTypes());
    ASSERT_GT(exported.size(), 0u) << library;
    for (std::string const& name : exported) {
        EXPECT_TRUE(described.contains(name))
            << name << ": instantiated and exported, but not listed as exported";
    }
    for (std::string const& name : described) {
        EXPECT_TRUE(exported.contains(name))
            << name << ": listed as exported, but the library does not instantiate it";
    }
}

#endif

} // namespace
