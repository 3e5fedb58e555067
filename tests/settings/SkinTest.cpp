#include "mainwindow/MainConfig.h"
#include "settings/SkinManager.h"
#include "settings/StylesetUnit.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Setting {
    TestProgramDir dir;
    TAppContext ctx;
    TSkinManager skins;
    Setting()
    {
        QDir().mkpath(dir.file(QStringLiteral("Skin")));
        ctx.vars = LoadMainVars(dir.path());
        skins.SkinDirectory = ctx.vars.SkinDir;
        skins.setActive(true);
    }
    ~Setting() { qApp->setStyleSheet(QString()); }
    QString style() const
    {
        return ReadMainConfig(dir.path(), QStringLiteral("System"), QStringLiteral("Style"), QStringLiteral("<none>"));
    }
    void store(const QString &v) const
    {
        WriteMainConfig(dir.path(), QStringLiteral("System"), QStringLiteral("Style"), v);
    }
};

int checked(const TStylesetForm &f)
{
    int found = -1;
    for (int i = 0; i < 6; ++i)
        if (f.radio[i]->isChecked())
            found = i;
    return found;
}
} // namespace

TEST(SkinManager, FindsASkinInTheFolderElseBuiltIn)
{
    TestProgramDir dir;
    const QString skinDir = dir.file(QStringLiteral("Skin/"));
    bool found = false;
    // The folder has none: the built-in ones answer, by stored name or their own.
    const QString air = TSkinManager::SkinText(skinDir, QStringLiteral("air"), &found);
    EXPECT_TRUE(found);
    EXPECT_TRUE(air.contains(QStringLiteral("QPushButton")));
    EXPECT_EQ(TSkinManager::SkinText(skinDir, QStringLiteral("Air (internal)")), air);
    QStringList texts;
    for (const QString &name : TSkinManager::InternalSkinNames()) {
        const QString t = TSkinManager::SkinText(skinDir, name, &found);
        EXPECT_TRUE(found) << name.toStdString();
        EXPECT_FALSE(texts.contains(t)) << "two skins alike: " << name.toStdString();
        texts << t;
    }
    EXPECT_EQ(TSkinManager::InternalSkinNames().first(), QStringLiteral("Air (internal)"));

    // A sheet of that name in the folder wins; a folder of that name holding one does too.
    dir.writeFile(QStringLiteral("Skin/air.qss"), "QPushButton { background: url(sky.png); }");
    EXPECT_EQ(TSkinManager::SkinText(skinDir, QStringLiteral("air"), &found),
              QStringLiteral("QPushButton { background: url(\"%1sky.png\"); }").arg(skinDir));
    EXPECT_TRUE(found);
    dir.writeFile(QStringLiteral("Skin/Mine/look.qss"), "QLabel { color: red; }");
    EXPECT_EQ(TSkinManager::SkinText(skinDir, QStringLiteral("Mine"), &found), QStringLiteral("QLabel { color: red; }"));
    EXPECT_TRUE(found);

    for (const char *name : {"", "nothing", "Mine (internal)"}) {
        EXPECT_TRUE(TSkinManager::SkinText(skinDir, QString::fromLatin1(name), &found).isEmpty()) << name;
        EXPECT_FALSE(found) << name;
    }
}

TEST(SkinManager, SettingTheNameReskinsTheWholeProgram)
{
    Setting s;
    QDialog open; // an open dialog takes the new skin too: it is the application's sheet
    open.show();
    s.skins.setSkinName(QStringLiteral("WMP11"));
    EXPECT_EQ(qApp->styleSheet(), TSkinManager::SkinText(s.ctx.vars.SkinDir, QStringLiteral("WMP11")));
    EXPECT_TRUE(s.skins.skinFound());
    s.skins.setSkinName(QString());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_FALSE(s.skins.skinFound());
}

TEST(StylesetForm, ShapeAndDistinctPreviews)
{
    Setting s;
    TStylesetForm form(s.ctx, s.skins);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("个性皮肤"));
    EXPECT_EQ(form.size(), QSize(475, 320));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("确定"));
    EXPECT_EQ(form.Button2->text(), QStringLiteral("关闭"));
    const char16_t *captions[] = {u"天空", u"北京", u"海水", u"Vista", u"丝带", u"黑亮"};
    QList<QImage> pictures;
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form.radio[i]->objectName(), QStringLiteral("sRadioButton%1").arg(i + 1));
        EXPECT_EQ(form.radio[i]->text(), QString::fromUtf16(captions[i]));
        EXPECT_LT(form.radio[i]->geometry().right(), form.preview[i]->geometry().left()); // left of its picture
        const QImage img = form.preview[i]->pixmap().toImage();
        EXPECT_EQ(img.size(), QSize(173, 81));
        EXPECT_FALSE(pictures.contains(img)) << "preview " << i << " repeats another";
        pictures << img;
    }
    EXPECT_LT(form.radio[0]->x(), form.radio[1]->x()); // two columns
    EXPECT_LT(form.radio[0]->y(), form.radio[2]->y()); // three rows
}

TEST(StylesetForm, ShowSelectsOnlyOnAnExactMatch)
{
    Setting s;
    {
        TStylesetForm form(s.ctx, s.skins);
        form.show(); // nothing stored: beijing
        EXPECT_EQ(checked(form), 1);
    }
    {
        s.store(QStringLiteral("Beijing"));
        TStylesetForm form(s.ctx, s.skins);
        form.show();
        EXPECT_EQ(checked(form), -1);
        // 确定 with nothing selected applies and stores the empty name
        s.skins.setSkinName(QStringLiteral("air"));
        form.Button1Click();
        EXPECT_EQ(s.style(), QString());
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
    }
    {
        s.store(QStringLiteral("UnderWater"));
        TStylesetForm form(s.ctx, s.skins);
        form.show();
        EXPECT_EQ(checked(form), 2);
        form.hide();
        s.store(QStringLiteral("underwater"));
        form.radio[4]->setChecked(true);
        form.show();
        EXPECT_EQ(checked(form), 4); // no match: the earlier selection stays
    }
}

TEST(StylesetForm, OkAppliesAndStoresAndStaysOpenCloseCloses)
{
    Setting s;
    TStylesetForm form(s.ctx, s.skins);
    bool stillOpenAfterOk = false;
    QTimer::singleShot(0, &form, [&] {
        form.radio[0]->setChecked(true); // 天空
        form.Button1->click();
        stillOpenAfterOk = form.isVisible();
        EXPECT_EQ(s.style(), QStringLiteral("air"));
        EXPECT_EQ(qApp->styleSheet(), TSkinManager::SkinText(s.ctx.vars.SkinDir, QStringLiteral("air")));
        form.Button2->click();
    });
    form.exec();
    EXPECT_TRUE(stillOpenAfterOk);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(s.skins.SkinName(), QStringLiteral("air")); // the skin applied last stays
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
