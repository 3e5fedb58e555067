#include "settings/FontConfig.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(FontConfig, KeysMatchWithoutRegardToCaseAndMissingIsEmpty)
{
    TestProgramDir dir;
    EXPECT_EQ(ReadFontConfig(dir.path(), QStringLiteral("Title"), QStringLiteral("font-size")), QString());
    ASSERT_TRUE(WriteFontConfig(dir.path(), QStringLiteral("Title"), QStringLiteral("Font-size"), QStringLiteral("12")));
    ASSERT_TRUE(WriteFontConfig(dir.path(), QStringLiteral("Title"), QStringLiteral("Font-name"), QStringLiteral("黑体")));
    ASSERT_TRUE(WriteFontConfig(dir.path(), QStringLiteral("title"), QStringLiteral("font-size"), QStringLiteral("14")));
    EXPECT_EQ(ReadFontConfig(dir.path(), QStringLiteral("TITLE"), QStringLiteral("font-size")), QStringLiteral("14"));
    EXPECT_EQ(ReadFontConfig(dir.path(), QStringLiteral("Title"), QStringLiteral("font-name")), QStringLiteral("黑体"));
    EXPECT_EQ(ReadFontConfig(dir.path(), QStringLiteral("Height"), QStringLiteral("Formh")), QString());
    const QString file = QString::fromUtf8(dir.readFile(QStringLiteral("Config/FontConfig.ini")));
    EXPECT_EQ(file, QStringLiteral("[Title]\r\nFont-size=14\r\nFont-name=黑体\r\n"));
}

TEST(FontConfig, StyleNamesAreFoundAnywhereAndWrittenAll)
{
    struct Case {
        const char *value;
        FontStyles styles;
    } cases[] = {
        {"", {}},
        {"fsBold", {true, false, false, false}},
        {"fsItalic,fsBold", {true, true, false, false}},
        {"[fsBold, fsItalic, fsUnderline, fsStrikeOut]", {true, true, true, true}},
        {"fsUnderlinefsStrikeOut", {false, false, true, true}},
        {"bold", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseFontStyle(QString::fromLatin1(c.value)), c.styles) << c.value;
    EXPECT_EQ(FontStyleText({}), QString());
    const FontStyles all{true, true, true, true};
    EXPECT_EQ(ParseFontStyle(FontStyleText(all)), all);
    EXPECT_EQ(FontStyleText({true, true, false, false}), QStringLiteral("fsBold,fsItalic"));
}

TEST(FontConfig, ColourNumberHasRedInTheLowestByte)
{
    EXPECT_EQ(ColorNumber(255, 0, 0), 255);
    EXPECT_EQ(ColorNumber(0, 128, 0), 32768);
    EXPECT_EQ(ColorNumber(0, 0, 255), 16711680);
    EXPECT_EQ(ColorNumber(1, 2, 3), 0x030201);
}
