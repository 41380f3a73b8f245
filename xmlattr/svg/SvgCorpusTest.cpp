// Every path, transform and view box of the real documents in corpus/.
#include "xmlattr/svg/PathDataCommand.h"
#include "xmlattr/svg/TransformListAttribute.h"

#include "testing/Corpus.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(SvgCorpus, Placeholder) {}

} // namespace
} // namespace Xml
