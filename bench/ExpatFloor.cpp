// The floor under `xmlattr check`'s speed: the same documents streamed through expat with
// namespaces, as the checker reads them, touching every attribute's name and value and doing
// nothing else. Prints the files, bytes and attributes it read.
#include <expat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Touched {
    unsigned long attributes = 0;
    unsigned long characters = 0;
};

void XMLCALL onStart(void* data, XML_Char const* name, XML_Char const** attributes) {
    auto* touched = static_cast<Touched*>(data);
    touched->characters += std::strlen(name);
    for (std::size_t i = 0; attributes[i] != nullptr; i += 2) {
        ++touched->attributes;
        touched->characters += std::strlen(attributes[i]) + std::strlen(attributes[i + 1]);
    }
}

bool isDocument(std::filesystem::path const& path) {
    std::string const extension = path.extension().string();
    return extension == ".fo" || extension == ".xml" || extension == ".svg";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        for (auto const& entry : std::filesystem::recursive_directory_iterator(argv[i])) {
            if (entry.is_regular_file() && isDocument(entry.path())) {
                files.push_back(entry.path());
            }
        }
    }
    Touched touched;
    unsigned long bytes = 0;
    for (std::filesystem::path const& path : files) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            continue;
        }
        XML_Parser parser = XML_ParserCreateNS(nullptr, '|');
        XML_SetUserData(parser, &touched);
        XML_SetStartElementHandler(parser, onStart);
        for (;;) {
            void* buffer = XML_GetBuffer(parser, 1 << 16);
            std::size_t const got = std::fread(buffer, 1, 1 << 16, file);
            bytes += got;
            bool const last = std::feof(file) != 0 || std::ferror(file) != 0;
            if (XML_ParseBuffer(parser, static_cast<int>(got), last) == XML_STATUS_ERROR || last) {
                break;
            }
        }
        XML_ParserFree(parser);
        std::fclose(file);
    }
    std::printf("%zu files, %lu bytes, %lu attributes, %lu characters touched\n", files.size(),
                bytes, touched.attributes, touched.characters);
    return 0;
}
