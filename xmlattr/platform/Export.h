// The language standard the library's headers need, and its one export macro. Every public
// header includes this file before any code of its own. Symbols are hidden by default, so a
// Linux build fails on a missing export just as a Windows build would.
#pragma once

// MSVC keeps __cplusplus at 199711L unless told otherwise; _MSVC_LANG is its real standard.
#if (defined(_MSVC_LANG) ? _MSVC_LANG : __cplusplus) < 202002L
#error "xmlattr needs C++20 or later: compile with -std=c++20 (MSVC: /std:c++20)"
// The headers that follow would fail in a cascade of errors: a missing file stops here.
#include "xmlattr: compile with -std=c++20"
#endif

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
