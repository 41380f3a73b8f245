/* nanosvg's readers. Its value readers are static functions of its one header, reachable
   from the file that holds the implementation. Paths and points are read by the element
   readers (nothing narrower takes the text), which also make a shape of them: the shapes
   are freed after every text, as a document's are when it is deleted. */
#include "PeerReaders.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#define NANOSVG_IMPLEMENTATION
#include "nanosvg.h"

static size_t readElements(PeerText const* texts, size_t count, char const* attribute, int points) {
    NSVGparser* parser = nsvg__createParser();
    size_t taken = 0;
    for (size_t i = 0; i < count; ++i) {
        char const* attributes[] = {attribute, texts[i].data, NULL};
        if (points) {
            nsvg__parsePoly(parser, attributes, 0);
        } else {
            nsvg__parsePath(parser, attributes);
        }
        if (parser->image->shapes != NULL) {
            ++taken;
        }
        NSVGshape* shape = parser->image->shapes;
        while (shape != NULL) {
            NSVGshape* next = shape->next;
            nsvg__deletePaths(shape->paths);
            free(shape);
            shape = next;
        }
        parser->image->shapes = NULL;
        parser->shapesTail = NULL;
    }
    nsvg__deleteParser(parser);
    return taken;
}

size_t nanosvgReadPaths(PeerText const* texts, size_t count) {
    return readElements(texts, count, "d", 0);
}

size_t nanosvgReadPoints(PeerText const* texts, size_t count) {
    return readElements(texts, count, "points", 1);
}

/* What the readers make goes here, so that no reading is left out as unused. */
static volatile float g_sink;

/* nanosvg composes a transform list into one matrix and rejects nothing. */
size_t nanosvgReadTransforms(PeerText const* texts, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        float matrix[6];
        nsvg__parseTransform(matrix, texts[i].data);
        g_sink = matrix[0] + matrix[5];
    }
    return count;
}

/* An unknown colour reads as grey, not as an error: nothing is rejected. */
size_t nanosvgReadColours(PeerText const* texts, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        g_sink = (float)nsvg__parseColor(texts[i].data);
    }
    return count;
}
