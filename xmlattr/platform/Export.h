// The one export macro of the library. Symbols are hidden by default, so a
// Linux build fails on a missing export just as a Windows build would.
#pragma once

#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(XMLATTR_BUILDING)
#define XMLATTR_EXPORT __declspec(dllexport)
#else
#define XMLATTR_EXPORT __declspec(dllimport)
#endif
#else
#define XMLATTR_EXPORT __attribute__((visibility("default")))
#endif

// g++ leaves the inline members of an exported class template instantiation out of a
// DLL's exports unless each member is marked itself. Only the library marks them: on a
// caller's side the mark would import the members of the caller's own instantiations.
#if defined(XMLATTR_BUILDING)
#define XMLATTR_INLINE_EXPORT XMLATTR_EXPORT
#else
#define XMLATTR_INLINE_EXPORT
#endif
