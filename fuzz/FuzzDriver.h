// What the fuzz targets share: the input loop, the check that stops at a broken promise and a
// silent log.
#pragma once

#include <xmlattr/platform/Log.h>
#include <xmlattr/platform/String.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace xmlattr_fuzz {

/// Stops the run where a promise is broken; libFuzzer keeps the input that broke it.
inline void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

/// Sends the library's log nowhere: rejected texts would bury the fuzzer's own output.
inline void silenceLog() {
    static Core::Log::Sink const previous =
        Core::Log::setSink([](Core::Log::Level, Core::String const&) {});
    (void)previous;
}

/// Calls `test` with the bytes read as UTF-16 code units, then with them read one byte a code
/// unit, which reaches the ASCII grammars far more often. Each text is a copy of its exact
/// size, so that a read past its end is caught.
template <class Test> void forEachText(std::uint8_t const* data, std::size_t size, Test test) {
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    test(std::u16string_view(units.data(), units.size()));
    std::vector<char16_t> const narrow(data, data + size);
    test(std::u16string_view(narrow.data(), narrow.size()));
}

} // namespace xmlattr_fuzz
