#include "log/LogFormat.h"

#include <gtest/gtest.h>

using namespace logformat;

namespace {

const Stamp kStamp{"07/15/2004", "13:05:09"};

TEST(Escape, TextAndAttributeTable) {
    struct Case {
        const char* in;
        const char* text;
        const char* attribute;
    } cases[] = {
        {"", "", ""},
        {"plain", "plain", "plain"},
        {"It's <ok> & done", "It's &lt;ok&gt; &amp; done", "It&apos;s &lt;ok&gt; &amp; done"},
        {"&amp;", "&amp;amp;", "&amp;amp;"},
        {"&lt;", "&amp;lt;", "&amp;lt;"},
        {"say \"hi\"", "say \"hi\"", "say &quot;hi&quot;"},
        {"<<>>&&", "&lt;&lt;&gt;&gt;&amp;&amp;", "&lt;&lt;&gt;&gt;&amp;&amp;"},
        {"caf\xe9 \x93q\x94", "caf\xe9 \x93q\x94", "caf\xe9 \x93q\x94"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeText(c.in), c.text) << c.in;
        EXPECT_EQ(EscapeAttribute(c.in), c.attribute) << c.in;
    }
}

TEST(Stamp, FormatsDateAndTime) {
    std::tm t = {};
    t.tm_year = 2004 - 1900;
    t.tm_mon = 6;
    t.tm_mday = 5;
    t.tm_hour = 23;
    t.tm_min = 7;
    t.tm_sec = 1;
    Stamp s = MakeStamp(&t);
    EXPECT_EQ(s.date, "07/05/2004");
    EXPECT_EQ(s.time, "23:07:01");
}

TEST(Stamp, FailedClockGivesEmptyDateAndTime) {
    Stamp s = MakeStamp(nullptr);
    EXPECT_EQ(s.date, "");
    EXPECT_EQ(s.time, "");
    EXPECT_EQ(InfoLine(s, "BootStrap", "x"),
              "\t<info date=\"\" time=\"\" section=\"BootStrap\">x</info>\n");
}

TEST(Lines, ExactTemplates) {
    EXPECT_EQ(BeginLine(kStamp, "Snapharbor", "BootStrap"),
              "<begin date=\"07/15/2004\" time=\"13:05:09\" application=\"Snapharbor\" "
              "session=\"BootStrap\"/>\n");
    EXPECT_EQ(EndLine(kStamp, "A&B", "s'1"),
              "<end date=\"07/15/2004\" time=\"13:05:09\" application=\"A&amp;B\" "
              "session=\"s&apos;1\"/>\n");
    EXPECT_EQ(InfoLine(kStamp, "Utilities", "It's <ok> & done"),
              "\t<info date=\"07/15/2004\" time=\"13:05:09\" section=\"Utilities\">It's &lt;ok&gt; "
              "&amp; done</info>\n");
    EXPECT_EQ(ErrorLine(kStamp, "Utilities", "It's <ok> & done"),
              "\t<error date=\"07/15/2004\" time=\"13:05:09\" section=\"Utilities\" "
              "message=\"It&apos;s &lt;ok&gt; &amp; done\">\n");
    EXPECT_STREQ(kErrorCloseLine, "\t</error>\n");
}

TEST(Lines, ChildLinesEscapeButKeepLineBreaks) {
    EXPECT_EQ(SystemErrorLine(5, "Access denied.\r\n"),
              "\t\t<exception status=\"5\" message=\"Access denied.\r\n\"/>\n");
    EXPECT_EQ(SystemErrorLine(4294967295ul, "a \"b\" <c>"),
              "\t\t<exception status=\"4294967295\" message=\"a &quot;b&quot; &lt;c&gt;\"/>\n");
    EXPECT_EQ(SystemErrorLine(317, ""), "\t\t<exception status=\"317\" message=\"\"/>\n");
    EXPECT_EQ(ExceptionLine("x & 'y'"), "\t\t<exception message=\"x &amp; &apos;y&apos;\"/>\n");
}

TEST(Lines, FileName) {
    EXPECT_EQ(LogFileName("Snapharbor", 0), "Snapharbor_Setup.log.tmp");
    EXPECT_EQ(LogFileName("Snapharbor", 1), "Snapharbor_.log.tmp");
}

} // namespace
