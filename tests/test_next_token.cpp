#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/bounded_text.h"
#include "app/next_token.h"

static std::vector<std::string> Split(const char *text, const char *delims)
{
    char buffer[256];
    lstrcpynA(buffer, text, sizeof buffer);
    std::vector<std::string> fields;
    for (char *field = NextToken(buffer, delims); field != NULL; field = NextToken(NULL, delims))
        fields.push_back(field);
    return fields;
}

TEST(NextToken, SplitsAtAnyDelimiterAndNeverYieldsEmptyFields)
{
    struct Case {
        const char *text;
        const char *delims;
        std::vector<std::string> fields;
    } cases[] = {
        {"DISPLAY,LPT1:", kDelimCommaBlank, {"DISPLAY", "LPT1:"}},
        {"  ,,drv , , port,extra", kDelimCommaBlank, {"drv", "port", "extra"}},
        {"", kDelimComma, {}},
        {",,,", kDelimComma, {}},
        {"HP LaserJet,HPPCL,LPT1:", kDelimComma, {"HP LaserJet", "HPPCL", "LPT1:"}},
        {"\"C:\\Program Files\\wp.exe\" \"%1\"", kDelimCommaQuoteBlank,
         {"C:\\Program", "Files\\wp.exe", "%1"}},
        {"lone", kDelimCommaBlank, {"lone"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Split(c.text, c.delims), c.fields) << "text: " << c.text;
}

TEST(NextToken, OverwritesTheSeparatorAndGoesOnWithAnotherSet)
{
    char value[] = "HP LaserJet 4,HPPCL LPT1:,x";
    char *device = NextToken(value, kDelimComma);
    char *driver = NextToken(NULL, kDelimCommaBlank);
    char *port = NextToken(NULL, kDelimCommaBlank);
    EXPECT_STREQ(device, "HP LaserJet 4");
    EXPECT_STREQ(driver, "HPPCL");
    EXPECT_STREQ(port, "LPT1:");
    EXPECT_EQ(device, value);  // in place
    EXPECT_STREQ(NextToken(NULL, kDelimCommaBlank), "x");
    EXPECT_EQ(NextToken(NULL, kDelimCommaBlank), nullptr);
    EXPECT_EQ(NextToken(NULL, kDelimCommaBlank), nullptr);  // stays at the end
}

TEST(BoundedText, CutsAtTheBufferAndSaysSo)
{
    char buffer[8];
    EXPECT_TRUE(CopyText(buffer, sizeof buffer, "1234567"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_FALSE(CopyText(buffer, sizeof buffer, "123456789"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_TRUE(CopyText(buffer, sizeof buffer, "ab"));
    EXPECT_FALSE(AppendText(buffer, sizeof buffer, "cdefgh"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_TRUE(JoinText(buffer, sizeof buffer, "a", ", ", "b", NULL));
    EXPECT_STREQ(buffer, "a, b");
    EXPECT_FALSE(JoinText(buffer, sizeof buffer, "abcd", ", ", "efgh", NULL));
    EXPECT_STREQ(buffer, "abcd, e");
    EXPECT_TRUE(FormatDecimal(buffer, sizeof buffer, 999));
    EXPECT_STREQ(buffer, "999");
    EXPECT_FALSE(FormatDecimal(buffer, 4, 1000));
}
