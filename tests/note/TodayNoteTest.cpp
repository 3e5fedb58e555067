#include "note/TodayNote.h"
#include "support/TestSupport.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(FitNoteHeight, FollowsTheLinesAndTheFontSize)
{
    struct Case {
        int lines, points, memo, panel, form;
    } cases[] = {
        {0, 12, 24, 54, 227},  // an empty box is 2 x s high
        {3, 12, 78, 108, 281}, // 3 x 18 + 24
        {2, 12, 60, 90, 263},  // a line wrapped into two counts twice
        {1, 9, 33, 63, 236},
        {0, 20, 40, 70, 243},
    };
    for (const Case &c : cases) {
        const NoteHeights h = FitNoteHeight(c.lines, c.points);
        EXPECT_EQ(h.memo, c.memo) << c.lines << " lines at " << c.points;
        EXPECT_EQ(h.panel, c.panel);
        EXPECT_EQ(h.form, c.form);
    }
}

TEST(TodayText, RoundTripsInTheEncodingItCameIn)
{
    const QString text = QStringLiteral("今天：开会 9:30\n\n买菜、取快递 — ok\n最后一行");
    const QByteArray crlf = "\r\n";
    struct Case {
        const char *what;
        TextEncoding encoding;
        QByteArray prefix;
    } cases[] = {
        {"UTF-8", TextEncoding::Utf8, {}},
        {"UTF-8 with BOM", TextEncoding::Utf8Bom, "\xEF\xBB\xBF"},
        {"UTF-16 with BOM", TextEncoding::Utf16LeBom, "\xFF\xFE"},
        {"GB18030", TextEncoding::Gb18030, {}},
    };
    for (const Case &c : cases) {
        TestProgramDir dir;
        // a file as another program (or Windows) left it
        QString fileText = text;
        fileText.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        dir.writeFile(QStringLiteral("Config/Today.txt"), EncodeText(fileText + QStringLiteral("\r\n"), c.encoding));

        const TodayText read = ReadTodayText(dir.path());
        ASSERT_TRUE(read.found) << c.what;
        EXPECT_EQ(read.text, text) << c.what;
        EXPECT_EQ(read.encoding, c.encoding) << c.what;

        const QString edited = read.text + QStringLiteral("\n补一句");
        ASSERT_TRUE(WriteTodayText(dir.path(), edited, read.encoding));
        const QByteArray bytes = dir.readFile(QStringLiteral("Config/Today.txt"));
        EXPECT_TRUE(bytes.startsWith(c.prefix)) << c.what;
        const TodayText again = ReadTodayText(dir.path());
        EXPECT_EQ(again.text, edited) << c.what;
        EXPECT_EQ(again.encoding, c.encoding) << c.what;
        EXPECT_TRUE(DecodeText(bytes).text.endsWith(QStringLiteral("补一句\r\n"))) << c.what;
    }
}

TEST(TodayText, GbFileWithoutMarkIsNotGarbled)
{
    TestProgramDir dir;
    // "今日日程" in GB18030, the code page of files carried over from Windows
    dir.writeFile(QStringLiteral("Config/Today.txt"), QByteArray("\xBD\xF1\xC8\xD5\xC8\xD5\xB3\xCC\r\n"));
    const TodayText t = ReadTodayText(dir.path());
    EXPECT_EQ(t.text, QStringLiteral("今日日程"));
    EXPECT_EQ(t.encoding, TextEncoding::Gb18030);
    ASSERT_TRUE(WriteTodayText(dir.path(), t.text + QStringLiteral("\n好"), t.encoding));
    EXPECT_EQ(dir.readFile(QStringLiteral("Config/Today.txt")),
              QByteArray("\xBD\xF1\xC8\xD5\xC8\xD5\xB3\xCC\r\n\xBA\xC3\r\n"));
}

TEST(TodayText, EveryLineEndsInCrLfAndLineShapesSurvive)
{
    struct Case {
        QString memo;
        QByteArray file;
    } cases[] = {
        {QString(), QByteArray()},
        {QStringLiteral("a"), "a\r\n"},
        {QStringLiteral("a\nb"), "a\r\nb\r\n"},
        {QStringLiteral("a\n"), "a\r\n\r\n"}, // a last empty line is kept
        {QStringLiteral("\n\nx"), "\r\n\r\nx\r\n"},
    };
    for (const Case &c : cases) {
        TestProgramDir dir;
        ASSERT_TRUE(WriteTodayText(dir.path(), c.memo, TextEncoding::Utf8));
        EXPECT_EQ(dir.readFile(QStringLiteral("Config/Today.txt")), c.file);
        EXPECT_EQ(ReadTodayText(dir.path()).text, c.memo);
    }
    // files written elsewhere with bare line feeds, or without a last break
    TestProgramDir dir;
    dir.writeFile(QStringLiteral("Config/Today.txt"), "one\ntwo");
    EXPECT_EQ(ReadTodayText(dir.path()).text, QStringLiteral("one\ntwo"));
}

TEST(TodayText, MissingFileIsReportedNotInvented)
{
    TestProgramDir dir;
    EXPECT_FALSE(ReadTodayText(dir.path()).found);
    EXPECT_EQ(DesignNoteLines().size(), 9);
    EXPECT_EQ(DesignNoteLines().at(4), QStringLiteral("2、书写完毕后软件自动保存！"));
}

TEST(NoteSettingNumber, ANonNumberCountsAsTheDefault)
{
    struct Case {
        const char *value;
        int number;
    } cases[] = {{"1", 1}, {"6", 6}, {" 2 ", 2}, {"9", 9}, {"0", 0}, {"", 1}, {"abc", 1}, {"2x", 1}, {"-3", -3}};
    for (const Case &c : cases)
        EXPECT_EQ(NoteSettingNumber(QString::fromLatin1(c.value)), c.number) << c.value;
}
