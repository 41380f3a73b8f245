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
