// The entry point that Windows calls when it loads and unloads the DLL.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The C runtime's own entry point runs static initialisation before this function and
// exit-time destruction after it, which is all that loading and unloading must do. Nothing
// in the library keeps per-thread state, so the loader need not call in for every thread
// that starts or ends in the process.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

#if defined(__MINGW32__)
// The loader refuses to stop per-thread calls into a module that has a thread-local
// storage directory, and mingw-w64's runtime gives every module one through this hook,
// for thread-local initialisers of a kind g++ does not emit (its thread_local goes
// through libgcc at run time). An empty hook keeps the directory out of the DLL.
extern "C" PIMAGE_TLS_CALLBACK const __dyn_tls_init_callback = nullptr;
#endif
