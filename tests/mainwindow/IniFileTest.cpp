#include "mainwindow/IniFile.h"
#include "mainwindow/TextCodec.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {
const QString rel = QStringLiteral("Config/MainConfig.ini");
}

TEST(IniFile, ReadsCaseInsensitivelyFirstDuplicateWinsAndNeverCreates)
{
    TestProgramDir dir;
    const QString path = dir.file(rel);
    EXPECT_EQ(IniFile::Read(path, QStringLiteral("System"), QStringLiteral("Autorun"), QStringLiteral("1")),
              QStringLiteral("1"));
    EXPECT_FALSE(QFile::exists(path)) << "reading must not create the file";

    dir.writeFile(rel, "; comment\r\n[system]\r\n  CLOCKTYPE = 1 \r\nclocktype=0\r\n[Music]\r\nClockMusic=\r\n"
                       "[System]\r\nStyle=WLM\r\n");
    struct Case {
        const char *section, *key, *def, *want;
    } cases[] = {
        {"SYSTEM", "clockType", "x", "1"},  // names without regard to case, value trimmed, first key wins
        {"Music", "ClockMusic", "x", ""},    // present but empty
        {"Music", "OffMusic", "dflt", "dflt"},
        {"Nope", "Style", "dflt", "dflt"},
        {"System", "Style", "dflt", "dflt"}, // only the first [System] section counts
    };
    for (const Case &c : cases)
        EXPECT_EQ(IniFile::Read(path, QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                                QString::fromLatin1(c.def)),
                  QString::fromLatin1(c.want))
            << c.section << "/" << c.key;
}

TEST(IniFile, WriteChangesOnlyItsLineAndCreatesWhatIsMissing)
{
    TestProgramDir dir;
    const QString path = dir.file(rel);
    ASSERT_TRUE(IniFile::Write(path, QStringLiteral("System"), QStringLiteral("Autorun"), QStringLiteral("0")));
    EXPECT_EQ(dir.readFile(rel), QByteArray("[System]\r\nAutorun=0\r\n"));

    dir.writeFile(rel, "; keep me\n[System]\nAutoRun = 1\n# and me\n\n[Url]\nmianweb=http://x\n");
    ASSERT_TRUE(IniFile::Write(path, QStringLiteral("system"), QStringLiteral("autorun"), QStringLiteral("0")));
    ASSERT_TRUE(IniFile::Write(path, QStringLiteral("System"), QStringLiteral("Style"), QStringLiteral("WMP11")));
    ASSERT_TRUE(IniFile::Write(path, QStringLiteral("Today"), QStringLiteral("skin"), QStringLiteral("3")));
    EXPECT_EQ(dir.readFile(rel), QByteArray("; keep me\n[System]\nAutoRun=0\n# and me\nStyle=WMP11\n\n[Url]\n"
                                            "mianweb=http://x\n[Today]\nskin=3\n"));
}

TEST(IniFile, KeepsTheEncodingItFound)
{
    TestProgramDir dir;
    const QString path = dir.file(rel);
    const QString chinese = QStringLiteral("D:/音乐/闹钟.wav");
    QStringEncoder gb("GB18030");
    struct Case {
        const char *name;
        QByteArray prefix;
        TextEncoding enc;
    } cases[] = {
        {"utf8", {}, TextEncoding::Utf8},
        {"utf8 bom", "\xEF\xBB\xBF", TextEncoding::Utf8Bom},
        {"gb18030", {}, TextEncoding::Gb18030},
        {"utf16 bom", {}, TextEncoding::Utf16LeBom},
    };
    for (const Case &c : cases) {
        const QString body = QStringLiteral("[Music]\r\nClockMusic=") + chinese + QStringLiteral("\r\n");
        dir.writeFile(rel, c.prefix + EncodeText(body, c.enc));
        EXPECT_EQ(IniFile::Read(path, QStringLiteral("Music"), QStringLiteral("ClockMusic"), {}), chinese) << c.name;
        ASSERT_TRUE(IniFile::Write(path, QStringLiteral("Music"), QStringLiteral("OffMusic"), QStringLiteral("关机.wav")));
        const DecodedText back = DecodeText(dir.readFile(rel));
        EXPECT_EQ(back.encoding, c.enc) << c.name;
        EXPECT_EQ(back.text, body + QStringLiteral("OffMusic=关机.wav\r\n")) << c.name;
    }
}

TEST(IniFile, BadFilesGiveDefaultsWithoutHarm)
{
    TestProgramDir dir;
    const QString path = dir.file(rel);
    QByteArray garbage;
    for (int i = 0; i < 70000; ++i)
        garbage += char((i * 7919) & 0xff);
    dir.writeFile(rel, garbage);
    EXPECT_EQ(IniFile::Read(path, QStringLiteral("System"), QStringLiteral("Closetype"), QStringLiteral("0")),
              QStringLiteral("0"));
    dir.writeFile(rel, "[System]\n" + QByteArray(1 << 20, 'x') + "\nClosetype=1\n");
    EXPECT_EQ(IniFile::Read(path, QStringLiteral("System"), QStringLiteral("Closetype"), QStringLiteral("0")),
              QStringLiteral("1"));
    // A value cannot smuggle in a line (and so a key) of its own.
    ASSERT_TRUE(IniFile::Write(path, QStringLiteral("Music"), QStringLiteral("ClockMusic"),
                               QStringLiteral("a\r\n[System]\r\nClosetype=0")));
    EXPECT_EQ(IniFile::Read(path, QStringLiteral("System"), QStringLiteral("Closetype"), QStringLiteral("0")),
              QStringLiteral("1"));
}
