// The peers' readers, each over a whole list of texts, behind plain C functions: each peer
// is built on its own terms (a C header, internal C++ headers) and the benchmark sees none
// of it. Every function returns how many texts the peer took, where it says.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// A text as the peers read it: UTF-8 bytes, also ended by a NUL for the C reader.
typedef struct PeerText {
    char const* data;
    size_t size;
} PeerText;

size_t lunasvgReadPaths(PeerText const* texts, size_t count);
size_t lunasvgReadTransforms(PeerText const* texts, size_t count);
size_t lunasvgReadPoints(PeerText const* texts, size_t count);
size_t lunasvgReadColours(PeerText const* texts, size_t count);

size_t nanosvgReadPaths(PeerText const* texts, size_t count);
size_t nanosvgReadTransforms(PeerText const* texts, size_t count);
size_t nanosvgReadPoints(PeerText const* texts, size_t count);
size_t nanosvgReadColours(PeerText const* texts, size_t count);

#ifdef __cplusplus
}
#endif
