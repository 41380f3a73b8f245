// Url: bare and wrapped references, what is stripped around them, and the writer.
#include "xmlattr/keywords/UrlAttribute.h"

#include "testing/AttributeRows.h"
#include "testing/Corpus.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

// A reference is written wrapped, without quoting or escaping.
TEST(UrlAttribute, ReadsBareAndWrappedReferences) {
    // clang-format off
    xmlattr_testing::expectRows<Url>(Url(u"before"), {
        {u"url(images/a.png)", true, Url(u"images/a.png"), u"url(images/a.png)"},
        {u"url( 'images/a.png' )", true, Url(u"images/a.png")},
        {u"url(\"images/a.png\")", true, Url(u"images/a.png")},
        {u"url()", true, Url(), u"url()"},
        {u"url('')", true, Url()},
        {u"url( )", true, Url()},
        {u"url(abc", true, Url(u"abc")},           // no ")": runs to the end
        {u"url(abc  ", true, Url(u"abc  ")},       // and nothing is removed from its end
        // A quoted reference ends at its quote, an unquoted one at the last ")".
        {u"url(\"https://en.wikipedia.org/wiki/A_(b)\")", true,
         Url(u"https://en.wikipedia.org/wiki/A_(b)"), u"url(https://en.wikipedia.org/wiki/A_(b))"},
        {u"url(man:bash(1))", true, Url(u"man:bash(1)"), u"url(man:bash(1))"},
        {u"url('a)b') c", true, Url(u"a)b")},
        {u"url(a)b)", true, Url(u"a)b")},
        {u"url(x(1)) y", true, Url(u"x(1)")},      // what follows the last ")" is ignored
        {u"url (a)", true, Url(u"a")},             // the first "(" anywhere after "url"
        {u"urlx(a)", true, Url(u"a")},
        {u"url(a b)", true, Url(u"a b")},
        {u"url(", false, {}},
        {u"url-x.png", false, {}},                 // starts with "url" but has no "("
        {u"url", true, Url(u"url"), u"url(url)"},  // three characters or fewer stay whole
        {u"ur(", true, Url(u"ur(")},
        {u"a.png", true, Url(u"a.png")},
        {u"", true, Url()},
        {u" url(a.png)", true, Url(u" url(a.png)")},
        {u"URL(a.png)", true, Url(u"URL(a.png)")},
        {u"it's \"odd\")", true, Url(u"it's \"odd\")"), u"url(it's \"odd\"))"},
    });
    // clang-format on
}

TEST(UrlAttribute, EqualityIsExact) {
    EXPECT_TRUE(Url(u"a.png") == Url(u"a.png"));
    EXPECT_FALSE(Url(u"a.png") == Url(u"A.png"));
    EXPECT_TRUE(Url(u"a.png") != Url(u"a.png "));
}

TEST(UrlAttribute, CorpusReferencesReadBackAsWritten) {
    auto const rows =
        xmlattr_testing::corpusValues("fo-attributes.tsv", {"external-destination", "src"});
    ASSERT_GT(rows.size(), 20u);
    for (auto const& row : rows) {
        SCOPED_TRACE(row.value.toUtf8());
        TXmlAttribute<Url> attribute;
        ASSERT_TRUE(attribute.parseValue(row.value));
        // A written reference reads back to itself.
        TXmlAttribute<Url> again;
        ASSERT_TRUE(again.parseValue(attribute.getValueAsString()));
        EXPECT_TRUE(again == attribute);
    }
}

} // namespace
} // namespace Xml
