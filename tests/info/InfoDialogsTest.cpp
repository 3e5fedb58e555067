#include "info/AboutUnit.h"
#include "info/InfoUnit.h"
#include "info/ServerUnit.h"
#include "info/WebLabel.h"
#include "mainwindow/AppContext.h"
#include "platform/Shell.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QAbstractButton>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class RecordingShell final : public IShell {
public:
    QStringList calls;
    void OpenWebAddress(const QString &a) override { calls << QStringLiteral("web ") + a; }
    void OpenMailAddress(const QString &a) override { calls << QStringLiteral("mail ") + a; }
    void StartProgram(const QString &, const QString &) override {}
    void RunShutdownScript(const QString &) override {}
};

struct Ctx {
    TestProgramDir dir;
    RecordingShell shell;
    TAppContext ctx;
    Ctx()
    {
        ctx.vars = LoadMainVars(dir.path());
        ctx.vars.HomePageUrl = QStringLiteral("http://home.example");
        ctx.vars.SupportMail = QStringLiteral("help@example.cn");
        ctx.vars.FeedbackPageUrl = QStringLiteral("http://feedback.example");
        ctx.vars.SecondMail = QStringLiteral("biz@example.cn");
        ctx.shell = &shell;
    }
};

void Click(QWidget *w)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

// Runs the hook, which shows a dialog modally, and reports what was on screen before closing it.
template <class D, class F>
void WhileShownModally(const std::function<void()> &hook, F look)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
        if (d) {
            seen = true;
            look(d);
            d->reject();
        }
    });
    hook();
    EXPECT_TRUE(seen);
}
} // namespace

TEST(ServerForm, ShowsItsTextAndOpensMailAndFeedbackPage)
{
    Ctx c;
    TServerForm f(c.ctx);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("咨询反馈"));
    EXPECT_EQ(f.size(), QSize(340, 185));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_EQ(f.Label1->text(),
              QStringLiteral("您的意见和建议，是软件前进的动力！\n\n欢迎您提出宝贵意见和建议！\n\n"
                             "您留下的每个字都将被用来改善我们的服务。\n\n您也可以与我们的客服邮箱联系："));
    EXPECT_EQ(f.Button1->text(), QStringLiteral("在线咨询反馈"));
    EXPECT_GT(f.sWebLabel1->y(), f.Label1->y());
    f.show();
    EXPECT_EQ(f.sWebLabel1->caption(), QStringLiteral("help@example.cn"));
    Click(f.sWebLabel1);
    Click(f.Button1);
    EXPECT_EQ(c.shell.calls, (QStringList{QStringLiteral("mail help@example.cn"), QStringLiteral("web http://feedback.example")}));
    // The link is refreshed at every show.
    f.hide();
    c.ctx.vars.SupportMail = QStringLiteral("new@example.cn");
    f.show();
    EXPECT_EQ(f.sWebLabel1->caption(), QStringLiteral("new@example.cn"));
}

TEST(AboutForm, ShowsItsTextAndOpensItsThreeLinks)
{
    Ctx c;
    TAboutForm f(c.ctx);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("关于我们"));
    EXPECT_EQ(f.size(), QSize(240, 219));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_EQ(f.Label1->text(), QStringLiteral("软件名称：青雀日程助手\n\n产品版本：3.25版\n\n\n\n官方网站：\n\n客户服务：\n\n商务合作："));
    f.show();
    EXPECT_EQ(f.sWebLabel1->caption(), QStringLiteral("http://home.example"));
    EXPECT_EQ(f.sWebLabel2->caption(), QStringLiteral("help@example.cn"));
    EXPECT_EQ(f.sWebLabel3->caption(), QStringLiteral("biz@example.cn"));
    // Beside their lines, in order, right of the captions.
    EXPECT_LT(f.sWebLabel1->y(), f.sWebLabel2->y());
    EXPECT_LT(f.sWebLabel2->y(), f.sWebLabel3->y());
    EXPECT_GT(f.sWebLabel1->x(), f.Label1->x());
    EXPECT_LE(f.sWebLabel3->geometry().bottom(), f.height());
    for (TWebLabel *l : {f.sWebLabel1, f.sWebLabel2, f.sWebLabel3})
        Click(l);
    EXPECT_EQ(c.shell.calls, (QStringList{QStringLiteral("web http://home.example"), QStringLiteral("mail help@example.cn"),
                                          QStringLiteral("mail biz@example.cn")}));
    f.hide();
    c.ctx.vars.SecondMail = QStringLiteral("deal@example.cn");
    f.show();
    EXPECT_EQ(f.sWebLabel3->caption(), QStringLiteral("deal@example.cn"));
}

TEST(MessageBoxSeam, ShowsPlainTextWithOrdinaryLineBreaks)
{
    const TMessageSeam seam = MessageBoxSeam();
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    seam.Inform(nullptr, QStringLiteral("青雀日程助手"), QStringLiteral("第一行\r\n第二行"));
    EXPECT_EQ(shown, QStringLiteral("青雀日程助手|第一行\n第二行"));

    bool answer = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    answer = seam.Ask(nullptr, QStringLiteral("程序更新"), QStringLiteral("是否现在更新？"));
    EXPECT_TRUE(answer);
}

TEST(InfoUnit, MenuHooksShowTheDialogsModallyOverTheMainWindow)
{
    Ctx c;
    QWidget mainWindow;
    mainWindow.resize(644, 388);
    mainWindow.show();
    TInfoUnit info(c.ctx, &mainWindow, {}, nullptr);
    ASSERT_TRUE(c.ctx.ShowFeedbackDialog && c.ctx.ShowAboutDialog);
    WhileShownModally<TServerForm>(c.ctx.ShowFeedbackDialog, [&](TServerForm *d) {
        EXPECT_EQ(d, info.ServerForm());
        EXPECT_EQ(d->parentWidget(), &mainWindow);
        EXPECT_EQ(d->sWebLabel1->caption(), QStringLiteral("help@example.cn"));
    });
    WhileShownModally<TAboutForm>(c.ctx.ShowAboutDialog, [&](TAboutForm *d) {
        EXPECT_EQ(d, info.AboutForm());
        EXPECT_EQ(d->sWebLabel1->caption(), QStringLiteral("http://home.example"));
    });
}
