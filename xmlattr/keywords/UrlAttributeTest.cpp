// Url: bare and wrapped references, what is stripped around them, and the writer.
#include "xmlattr/keywords/UrlAttribute.h"

#include "testing/Corpus.h"

#include <gtest/gtest.h>

namespace Xml {
namespace {

TEST(UrlAttribute, ReadsBareAndWrappedReferences) {
    struct Row {
        char16_t const* text;
        bool accepted;
        char16_t const* url;
    };
    Row const rows[] = {
        {u"url(images/a.png)", true, u"images/a.png"},
        {u"url( 'images/a.png' )", true, u"images/a.png"},
        {u"url(\"images/a.png\")", true, u"images/a.png"},
        {u"url(x)", true, u"x"},
        {u"url()", true, u""},
        {u"url('')", true, u""},
        {u"url( )", true, u""},
        {u"url(abc", true, u"abc"},     // no ")": runs to the end
        {u"url(abc  ", true, u"abc  "}, // and nothing is removed from its end
        {u"url(a)b)", true, u"a"},      // the first ")" ends it
        {u"url (a)", true, u"a"},       // the first "(" anywhere after "url"
        {u"urlx(a)", true, u"a"},
        {u"url(a b)", true, u"a b"},
        {u"url(", false, nullptr},
        {u"urlx", false, nullptr},
        {u"url-x.png", false, nullptr}, // starts with "url" but has no "("
        {u"url", true, u"url"},         // three characters or fewer stay whole
        {u"ur(", true, u"ur("},
        {u"a.png", true, u"a.png"},
        {u"", true, u""},
        {u" url(a.png)", true, u" url(a.png)"},
        {u"URL(a.png)", true, u"URL(a.png)"},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(Core::String(row.text).toUtf8());
        TXmlAttribute<Url> attribute(Url(u"before"));
        EXPECT_EQ(static_cast<XmlAttribute&>(attribute).parseValue(row.text), row.accepted);
        EXPECT_EQ(attribute->getUrl(), Core::String(row.accepted ? row.url : u"before"));
    }
}

TEST(UrlAttribute, WritesTheReferenceWrapped) {
    TXmlAttribute<Url> attribute(Url(u"a.png"));
    EXPECT_EQ(attribute.getValueAsString(), Core::String(u"url(a.png)"));
    attribute = Url();
    EXPECT_EQ(attribute.getValueAsString(), Core::String(u"url()"));
    attribute = Url(u"it's \"odd\")");
    EXPECT_EQ(attribute.getValueAsString(), Core::String(u"url(it's \"odd\"))"));
}

TEST(UrlAttribute, EqualityIsExact) {
    EXPECT_TRUE(Url(u"a.png") == Url(u"a.png"));
    EXPECT_FALSE(Url(u"a.png") == Url(u"A.png"));
    EXPECT_TRUE(Url(u"a.png") != Url(u"a.png "));
    TXmlAttribute<Url> a(Url(u"x"));
    TXmlAttribute<Url> b;
    static_cast<XmlAttribute&>(b).copyFrom(a);
    EXPECT_TRUE(a == b);
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
