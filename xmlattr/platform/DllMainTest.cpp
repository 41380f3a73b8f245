// The DLL's entry point: the loader makes no per-thread calls into the library.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

namespace {

// The loader's record of a module, up to its flags: the layout that Windows and Wine
// share, which winternl.h leaves mostly unnamed.
struct LoaderRecord {
    LIST_ENTRY inLoadOrder;
    LIST_ENTRY inMemoryOrder;
    LIST_ENTRY inInitializationOrder;
    void* base;
    void* entryPoint;
    ULONG imageSize;
    UNICODE_STRING fullName;
    UNICODE_STRING baseName;
    ULONG flags;
};
// The flag that DisableThreadLibraryCalls sets.
constexpr ULONG kNoThreadCalls = 0x00040000;

LoaderRecord const* loaderRecord(HMODULE module) {
    LIST_ENTRY const* head = &NtCurrentTeb()->ProcessEnvironmentBlock->Ldr->InMemoryOrderModuleList;
    for (LIST_ENTRY const* link = head->Flink; link != head; link = link->Flink) {
        auto const* record = reinterpret_cast<LoaderRecord const*>(
            reinterpret_cast<char const*>(link) - offsetof(LoaderRecord, inMemoryOrder));
        if (record->base == module) {
            return record;
        }
    }
    return nullptr;
}

std::wstring_view baseName(LoaderRecord const& record) {
    return {record.baseName.Buffer, record.baseName.Length / sizeof(wchar_t)};
}

TEST(DllMain, ThreadCallsAreOffForTheLibraryOnly) {
    LoaderRecord const* library = loaderRecord(GetModuleHandleW(L"xmlattr.dll"));
    ASSERT_NE(library, nullptr);
    ASSERT_EQ(baseName(*library), L"xmlattr.dll"); // the record is read at the right offsets
    EXPECT_NE(library->flags & kNoThreadCalls, 0u);

    LoaderRecord const* program = loaderRecord(GetModuleHandleW(nullptr));
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->flags & kNoThreadCalls, 0u);
}

} // namespace
