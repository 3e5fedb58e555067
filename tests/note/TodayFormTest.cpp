#include "mainwindow/MainConfig.h"
#include "note/FontDialog.h"
#include "note/TodayNote.h"
#include "note/TodayUnit.h"
#include "settings/FontConfig.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Note {
    TestProgramDir dir;
    TAppContext ctx;
    explicit Note(bool pictures = true)
    {
        if (pictures) {
            QDir().mkpath(dir.file(QStringLiteral("Skin")));
            for (const NoteSkin &s : NoteSkins)
                QFile::copy(QStringLiteral(CORVINA_ASSETS_DIR "/") + QString::fromLatin1(s.file),
                            dir.file(QString::fromLatin1(s.file)));
        }
        ctx.vars = LoadMainVars(dir.path());
    }
    QString today(const char *key) const
    {
        return ReadMainConfig(dir.path(), QStringLiteral("Today"), QString::fromLatin1(key), QStringLiteral("?"));
    }
    QString font(const char *section, const char *key) const
    {
        return ReadFontConfig(dir.path(), QString::fromLatin1(section), QString::fromLatin1(key));
    }
    QString todayFile() const { return DecodeText(dir.readFile(QStringLiteral("Config/Today.txt"))).text; }
};

int checkedIndex(QAction *const *items, int n)
{
    int found = -1;
    for (int i = 0; i < n; ++i)
        if (items[i]->isChecked()) {
            EXPECT_EQ(found, -1) << "two ticks in one sub-menu";
            found = i;
        }
    return found;
}
} // namespace

TEST(TodayForm, DesignShapeAndPlaceholders)
{
    Note n;
    TTodayForm form(n.ctx);
    EXPECT_EQ(form.width(), 500);
    EXPECT_EQ(form.pos(), QPoint(760, 0));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnBottomHint);
    EXPECT_EQ(form.windowFlags() & Qt::WindowType_Mask, Qt::Tool); // no taskbar button
    EXPECT_EQ(form.windowTitle(), QStringLiteral("今日桌面"));
    EXPECT_EQ(form.Memo1->toPlainText().split(QLatin1Char('\n')), DesignNoteLines());
    EXPECT_EQ(form.Memo1->toolTip(), QStringLiteral("直接在这里编辑记事"));
    EXPECT_EQ(form.AdvSmoothPanel1->Caption, QStringLiteral("    今日日程"));
    EXPECT_EQ(form.AdvSmoothPanel1->geometry().topLeft(), QPoint(121, 82));
    EXPECT_EQ(form.Memo1->geometry().topLeft(), QPoint(9, 20));
    EXPECT_EQ(form.Memo1->width(), 342);
    ASSERT_TRUE(form.findChild<QWidget *>(QStringLiteral("web2Panel")));
    ASSERT_TRUE(form.findChild<QWidget *>(QStringLiteral("web1Panel")));
    EXPECT_EQ(form.Panel2->geometry(), QRect(122, 37, 360, 30));
    EXPECT_EQ(form.sPanel1->geometry(), QRect(16, 0, 466, 59));
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, form.height() - 83, 500, 83));
    EXPECT_FALSE(form.webTimer->isActive());
    EXPECT_EQ(form.webTimer->interval(), 3600000);
    // before the first show: 透明, 蓝色, the first skin
    EXPECT_TRUE(form.N3->isChecked());
    EXPECT_EQ(checkedIndex(form.colourItems, 7), 0);
    EXPECT_EQ(checkedIndex(form.skinItems, 5), 0);
}

TEST(TodayForm, FirstShowWithNothingStoredKeepsTheDesignText)
{
    Note n;
    TTodayForm form(n.ctx);
    form.show();
    EXPECT_EQ(form.Memo1->toPlainText().split(QLatin1Char('\n')), DesignNoteLines());
    EXPECT_TRUE(form.seeThrough());
    EXPECT_FALSE(form.mask().isEmpty());
    EXPECT_EQ(form.pictureFile(), n.dir.file(QStringLiteral("Skin/pelko.png")));
    // see-through: only the picture, the panel and the web strips are left
    EXPECT_TRUE(form.mask().contains(QPoint(200, 100)));  // panel
    EXPECT_TRUE(form.mask().contains(QPoint(200, 50)));   // upper web strip
    EXPECT_FALSE(form.mask().contains(QPoint(300, 20)));  // bare background
    EXPECT_FALSE(form.mask().contains(QPoint(5, 150)));
}

TEST(TodayForm, MenuCommandsStoreTheirKeysWithSingleTicks)
{
    Note n;
    TTodayForm form(n.ctx);
    form.show();
    form.colourItems[5]->trigger(); // 草绿色
    EXPECT_EQ(form.formColor(), QColor(145, 187, 49));
    EXPECT_FALSE(form.seeThrough()); // the colour shows at once
    EXPECT_TRUE(form.N3->isChecked()); // while the tick stays on 透明
    form.N5->trigger(); // 不透明
    EXPECT_EQ(n.today("formcolor"), QStringLiteral("6"));
    EXPECT_EQ(n.today("formtype"), QStringLiteral("2"));
    EXPECT_EQ(checkedIndex(form.colourItems, 7), 5);
    EXPECT_TRUE(form.N5->isChecked());
    EXPECT_FALSE(form.N3->isChecked());
    EXPECT_EQ(form.formColor(), QColor(145, 187, 49));
    EXPECT_TRUE(form.mask().isEmpty());

    form.skinItems[4]->trigger(); // 铅笔
    EXPECT_EQ(n.today("skin"), QStringLiteral("5"));
    EXPECT_EQ(checkedIndex(form.skinItems, 5), 4);
    EXPECT_EQ(form.pictureFile(), n.dir.file(QStringLiteral("Skin/Pencil.png")));

    // 透明 waits for the next showing
    form.N3->trigger();
    EXPECT_EQ(n.today("formtype"), QStringLiteral("1"));
    EXPECT_FALSE(form.seeThrough());
    form.N2->trigger();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_TRUE(form.seeThrough());
    EXPECT_EQ(checkedIndex(form.skinItems, 5), 4);
    EXPECT_EQ(checkedIndex(form.colourItems, 7), 5);
}

TEST(TodayForm, StoredValuesOutsideTheTablesOrNotNumbersChangeNothing)
{
    Note n(false); // no pictures installed
    WriteMainConfig(n.dir.path(), QStringLiteral("Today"), QStringLiteral("skin"), QStringLiteral("9"));
    WriteMainConfig(n.dir.path(), QStringLiteral("Today"), QStringLiteral("formcolor"), QStringLiteral("blue"));
    WriteMainConfig(n.dir.path(), QStringLiteral("Today"), QStringLiteral("formtype"), QStringLiteral("3"));
    TTodayForm form(n.ctx);
    form.show();
    EXPECT_EQ(checkedIndex(form.skinItems, 5), 0);
    EXPECT_TRUE(form.pictureFile().isEmpty());
    EXPECT_EQ(form.NoteColor, 1); // not a number: the default
    EXPECT_EQ(form.formColor(), QColor(0, 78, 152));
    EXPECT_TRUE(form.N3->isChecked());
    form.skinItems[1]->trigger(); // a missing picture shows none, without complaint
    EXPECT_EQ(checkedIndex(form.skinItems, 5), 1);
}

TEST(TodayForm, FontChoiceComesBackAtTheNextShowAndTheNextStart)
{
    Note n;
    {
        TTodayForm form(n.ctx);
        form.show();
        QFont f = form.Memo1->font();
        f.setBold(true);
        f.setItalic(true);
        f.setPointSize(14);
        form.applyChosenFont(f, QColor(0, 0, 255));
        EXPECT_TRUE(n.font("title", "font-style").contains(QStringLiteral("fsBold")));
        EXPECT_TRUE(n.font("title", "font-style").contains(QStringLiteral("fsItalic")));
        EXPECT_FALSE(n.font("title", "font-style").contains(QStringLiteral("fsUnderline")));
        EXPECT_EQ(n.font("title", "font-size"), QStringLiteral("14"));
        EXPECT_EQ(n.font("title", "font-color"), QStringLiteral("16711680")); // blue in the third byte
        EXPECT_TRUE(QString::fromUtf8(n.dir.readFile(QStringLiteral("Config/FontConfig.ini"))).contains(QStringLiteral("Font-size=14")));
        form.N2->trigger();
        form.Memo1->setFont(QFont()); // a later show restores it
        form.show();
        EXPECT_TRUE(form.Memo1->font().bold());
        EXPECT_TRUE(form.Memo1->font().italic());
        EXPECT_EQ(form.Memo1->font().pointSize(), 14);
    }
    TTodayForm next(n.ctx);
    next.show();
    EXPECT_TRUE(next.Memo1->font().bold());
    EXPECT_TRUE(next.Memo1->font().italic());
    EXPECT_FALSE(next.Memo1->font().underline());
    EXPECT_TRUE(next.Memo1->styleSheet().contains(QStringLiteral("#0000ff")));
}

TEST(TodayForm, FontCommandWritesOnlyWhenConfirmed)
{
    Note n;
    TTodayForm form(n.ctx);
    form.show();
    auto answer = [&form](bool accept) {
        QTimer::singleShot(0, &form, [&form, accept] {
            auto *dlg = form.findChild<TFontDialog *>();
            ASSERT_TRUE(dlg);
            dlg->findChild<QCheckBox *>(QStringLiteral("FontBold"))->setChecked(true);
            dlg->findChild<QCheckBox *>(QStringLiteral("FontItalic"))->setChecked(true);
            accept ? dlg->accept() : dlg->reject();
        });
        form.N1->trigger();
    };
    answer(false);
    EXPECT_FALSE(QFile::exists(n.dir.file(QStringLiteral("Config/FontConfig.ini"))));
    EXPECT_FALSE(form.Memo1->font().bold());
    answer(true);
    EXPECT_TRUE(form.Memo1->font().bold());
    EXPECT_TRUE(form.Memo1->font().italic());
    const FontStyles st = ParseFontStyle(n.font("Title", "Font-style"));
    EXPECT_TRUE(st.bold && st.italic && !st.underline && !st.strikeOut);
    EXPECT_EQ(n.font("Title", "Font-color"), QString::number(ColorNumber(0, 128, 0))); // the design green kept
    EXPECT_FALSE(n.font("Title", "Font-name").isEmpty());
}

TEST(TodayForm, OpensFittedToItsTextWhateverHeightsWereStored)
{
    Note n;
    WriteFontConfig(n.dir.path(), QStringLiteral("Height"), QStringLiteral("Formh"), QStringLiteral("600"));
    WriteFontConfig(n.dir.path(), QStringLiteral("Height"), QStringLiteral("Memoh"), QStringLiteral("400"));
    struct Case {
        QByteArray file;
        int memo, panel, form;
    } cases[] = {
        {"", 24, 54, 227},
        {"one\r\ntwo\r\nthree\r\n", 78, 108, 281},
        // thirty characters of 16 pixels do not fit in one line of 342
        {QString(30, QChar(0x4E2D)).toUtf8() + "\r\n", 60, 90, 263},
    };
    for (const Case &c : cases) {
        n.dir.writeFile(QStringLiteral("Config/Today.txt"), c.file);
        TTodayForm form(n.ctx);
        form.show();
        EXPECT_EQ(form.Memo1->height(), c.memo) << c.file.constData();
        EXPECT_EQ(form.AdvSmoothPanel1->height(), c.panel);
        EXPECT_EQ(form.height(), c.form);
    }
}

TEST(TodayForm, SizeFollowsTheTextOneKeyBehind)
{
    Note n;
    n.dir.writeFile(QStringLiteral("Config/Today.txt"), "a\r\n");
    TTodayForm form(n.ctx);
    form.show();
    form.Memo1->moveCursor(QTextCursor::End);
    EXPECT_EQ(form.Memo1->height(), 42);
    QTest::keyClick(form.Memo1, Qt::Key_Return);
    QTest::keyClick(form.Memo1, Qt::Key_B); // sized for "a" and an empty last line: still one line
    EXPECT_EQ(form.Memo1->height(), 42);
    QTest::keyClick(form.Memo1, Qt::Key_C); // now the second line is counted
    EXPECT_EQ(form.Memo1->height(), 60);
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("a\nbc"));
}

TEST(TodayForm, TypedTextIsSavedSoonAfterTypingAndOnEveryEnding)
{
    Note n;
    n.dir.writeFile(QStringLiteral("Config/Today.txt"), "\xEF\xBB\xBF" "old\r\n");
    TTodayForm form(n.ctx);
    EXPECT_TRUE(form.SaveNote()); // nothing read yet: the design text never replaces the file
    EXPECT_EQ(n.todayFile(), QStringLiteral("old\r\n"));
    form.show();
    EXPECT_FALSE(form.SaveTimer->isActive());
    form.Memo1->setPlainText(QStringLiteral("新的\n一天"));
    EXPECT_TRUE(form.SaveTimer->isActive()); // restarted on every change
    EXPECT_TRUE(form.SaveTimer->isSingleShot());
    EXPECT_EQ(form.SaveTimer->interval(), 2000);
    EXPECT_TRUE(form.SaveNote()); // what the timer, an exit or a shutdown calls
    EXPECT_FALSE(form.SaveTimer->isActive());
    EXPECT_EQ(n.dir.readFile(QStringLiteral("Config/Today.txt")), QByteArray("\xEF\xBB\xBF") + QStringLiteral("新的\r\n一天\r\n").toUtf8());
    EXPECT_EQ(n.font("Height", "Formh"), QString::number(form.height()));
    EXPECT_EQ(n.font("Height", "Panelh"), QString::number(form.AdvSmoothPanel1->height()));
    EXPECT_EQ(n.font("Height", "Memoh"), QString::number(form.Memo1->height()));

    // 关闭显示 then 桌面悬浮: the same text, read back from the file
    form.Memo1->setPlainText(QStringLiteral("关前写的"));
    form.N2->trigger();
    EXPECT_FALSE(form.isVisible());
    form.Memo1->clear();
    form.ShowNote();
    EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("关前写的"));
}

TEST(TodayForm, MissingTextFileIsCreatedOnSave)
{
    Note n;
    TTodayForm form(n.ctx);
    form.show();
    form.Memo1->setPlainText(QStringLiteral("第一行"));
    ASSERT_TRUE(form.SaveNote());
    EXPECT_EQ(n.dir.readFile(QStringLiteral("Config/Today.txt")), QStringLiteral("第一行\r\n").toUtf8());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
