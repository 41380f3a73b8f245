// Arbitrary documents through the language server's editor features, each asked at offsets
// the input chooses: hover, completion, colours and their forms, definitions and references.
// Nothing may crash, and every span given back must lie inside the document, in order.
#include "lsp/features/Completion.h"
#include "lsp/features/DocumentColors.h"
#include "lsp/features/Hover.h"
#include "lsp/features/NameReferences.h"
#include "types/ValueType.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

struct Inside {
    std::size_t size;
    void operator()(Tool::Lsp::TextSpan span) const {
        check(span.begin <= span.end && span.end <= size);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    static bool const captured = (Tool::captureLibraryLog(), true);
    (void)captured;
    // The first four bytes choose two offsets, which may fall past the end; the rest is the
    // document.
    if (size < 4) {
        return 0;
    }
    std::size_t const first = static_cast<std::size_t>(data[0] | (data[1] << 8));
    std::size_t const second = static_cast<std::size_t>(data[2] | (data[3] << 8));
    std::string_view const document(reinterpret_cast<char const*>(data + 4), size - 4);
    Inside const inside{document.size()};
    std::size_t const offset = first % (document.size() + 2);
    std::size_t const other = second % (document.size() + 2);

    if (std::optional<Tool::Lsp::Hover> const hover = Tool::Lsp::hoverAt(document, offset)) {
        inside(hover->span);
        check(!hover->contents.empty());
    }
    for (Tool::Lsp::CompletionItem const& item : Tool::Lsp::completionsAt(document, offset)) {
        inside(item.replace);
        check(!item.label.empty());
    }
    if (std::optional<Tool::Lsp::NameLinks> const links =
            Tool::Lsp::nameLinksAt(document, offset)) {
        check(!links->definitions.empty() || !links->references.empty());
        for (Tool::Lsp::TextSpan const span : links->definitions) {
            inside(span);
        }
        for (Tool::Lsp::TextSpan const span : links->references) {
            inside(span);
        }
    }
    for (Tool::Lsp::ColorAt const& color : Tool::Lsp::documentColors(document)) {
        inside(color.span);
    }
    Tool::Lsp::Rgba const color{
        static_cast<double>(data[0]) / 255, static_cast<double>(data[1]) / 255,
        static_cast<double>(data[2]) / 255, static_cast<double>(data[3]) / 255};
    for (Tool::Lsp::ColorPresentation const& form :
         Tool::Lsp::colorPresentations(document, {offset, other}, color)) {
        check(!form.label.empty());
    }
    return 0;
}
