// Every dialog answers Enter and Esc the way its buttons promise, opens centred on its
// owner, and shows its texts whole at its fixed size.
#include "alerts/HintUnit.h"
#include "alerts/MediaPlayer.h"
#include "alerts/OffHintUnit.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "editors/TaskEditorForm.h"
#include "info/AboutUnit.h"
#include "info/ServerUnit.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/MainConfig.h"
#include "note/FontDialog.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "scheduler/ActiveTaskList.h"
#include "settings/SkinManager.h"
#include "settings/StylesetUnit.h"
#include "settings/SystemsetUnit.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {
struct Player final : IMediaPlayer {
    QStringList calls;
    QString file;
    void Close() override { calls << QStringLiteral("Close"); }
    void setFileName(const QString &f) override { file = f; }
    QString FileName() const override { return file; }
    void Open() override {}
    void Play() override { calls << QStringLiteral("Play"); }
    TMPModes Mode() const override { return TMPModes::Playing; }
};

struct Shell final : IShell {
    QStringList calls;
    void OpenWebAddress(const QString &a) override { calls << QStringLiteral("web ") + a; }
    void OpenMailAddress(const QString &a) override { calls << QStringLiteral("mail ") + a; }
    void StartProgram(const QString &f, const QString &) override { calls << QStringLiteral("start ") + f; }
    void RunShutdownScript(const QString &) override { calls << QStringLiteral("shutdown"); }
};

struct Fx {
    TestProgramDir dir;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(10, 30, 0))};
    TDataModule1 dm;
    TActiveTaskList list;
    Player player;
    Shell shell;
    TAppContext ctx;
    TSkinManager skins;
    QWidget owner; // stands in for the main window
    QStringList messages;
    QString id; // the task an alert window shows

    Fx()
    {
        ctx.vars = LoadMainVars(dir.path());
        ctx.clock = &clock;
        ctx.data = &dm;
        ctx.activeList = &list;
        ctx.MediaPlayer1 = &player;
        ctx.shell = &shell;
        dm.ADOConnection1.setDatabaseFile(dir.databaseFile());
        dm.ADOConnection1.Open();
        owner.setGeometry(60, 60, 644, 388);
        owner.show();
    }
    QString add(const QString &kind)
    {
        TestTask t;
        t.kind = kind;
        t.title = QStringLiteral("开会");
        id = QString::number(InsertTestTask(dm, t));
        list.AddMaingrid(dm);
        return id;
    }
    QString query(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(dm.ADOConnection1.connectionName()));
        q.exec(sql);
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
    int tasks() { return query(QStringLiteral("select count(*) from Task")).toInt(); }
    QString stype() { return query(QStringLiteral("select stype from Task where id=") + id); }
};

QDialog *editor(Fx &f, int kindIndex)
{
    TTaskEditorForm *e = CreateTaskEditor(kindIndex, f.ctx, &f.owner);
    e->showMessage = [&f](const QString &m) { f.messages << m; };
    e->addMaingrid = [] {};
    e->resfgriddata = [](int, int) {};
    e->PrepareNew();
    e->sEdit1->setText(QStringLiteral("明天的会议"));
    e->AdvDateTimePicker1->setDate(f.clock.now().date().addDays(1));
    if (e->kind().content == EditorContentRow::ProgramPath)
        e->sEdit2->setText(f.dir.file(QStringLiteral("Config/down.sh")));
    return e;
}

QDialog *alert(Fx &f, QDialog *w, QLabel *heading, QLabel *second, QLineEdit *id, QLineEdit *code, const QString &kind)
{
    heading->setText(QStringLiteral("[%1]开会").arg(kind));
    second->setText(QStringLiteral("阳历 2026-12-11 08:00:00"));
    id->setText(f.add(kind));
    code->setText(Vocab::RepeatOnce);
    return w;
}

enum class After { Accepted, Rejected, StaysOpen };

struct Answer {
    After after;
    std::function<void(Fx &)> check; // what else must (not) have happened
};

struct DialogCase {
    const char *name;
    std::function<QDialog *(Fx &)> make;
    Answer onReturn;
    Answer onEscape;
};

const auto savedOne = [](Fx &f) {
    EXPECT_EQ(f.tasks(), 1);
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join(QLatin1Char('|')).toStdString();
};
const auto savedNone = [](Fx &f) { EXPECT_EQ(f.tasks(), 0); };
const auto nothing = [](Fx &f) { EXPECT_TRUE(f.shell.calls.isEmpty()); };
const auto stillActive = [](Fx &f) {
    EXPECT_EQ(f.stype(), QStringLiteral("0"));
    EXPECT_TRUE(f.list.containsId(f.id));
    EXPECT_TRUE(f.shell.calls.isEmpty());
};

const DialogCase kCases[] = {
    {"日程 editor", [](Fx &f) { return editor(f, Vocab::TabSchedule); }, {After::Accepted, savedOne},
     {After::Rejected, savedNone}},
    {"闹钟 editor", [](Fx &f) { return editor(f, Vocab::TabAlarm); }, {After::Accepted, savedOne},
     {After::Rejected, savedNone}},
    {"程序 editor", [](Fx &f) { return editor(f, Vocab::TabProgram); }, {After::Accepted, savedOne},
     {After::Rejected, savedNone}},
    {"关机 editor", [](Fx &f) { return editor(f, Vocab::TabShutdown); }, {After::Accepted, savedOne},
     {After::Rejected, savedNone}},
    {"计时 editor", [](Fx &f) { return editor(f, Vocab::TabCountdown); }, {After::Accepted, savedOne},
     {After::Rejected, savedNone}},
    // An alert is never finished by a key: Enter does nothing, Esc only puts it away.
    {"reminder",
     [](Fx &f) {
         auto *w = new THintForm(f.ctx, &f.owner);
         return alert(f, w, w->sLabel1, w->sLabel2, w->Edit1, w->Edit2, Vocab::KindAlarm);
     },
     {After::StaysOpen, stillActive}, {After::Rejected, stillActive}},
    {"shutdown warning",
     [](Fx &f) {
         auto *w = new TOffHintForm(f.ctx, &f.owner);
         return alert(f, w, w->sLabel1, w->sLabel2, w->Edit1, w->Edit2, Vocab::KindShutdown);
     },
     {After::StaysOpen,
      [](Fx &f) {
          stillActive(f);
          EXPECT_TRUE(f.owner.findChild<TOffHintForm *>()->counting());
      }},
     // like the close box: hidden, the sound stops, the count goes on
     {After::Rejected,
      [](Fx &f) {
          stillActive(f);
          EXPECT_TRUE(f.owner.findChild<TOffHintForm *>()->counting());
          EXPECT_TRUE(f.player.calls.contains(QStringLiteral("Close")));
          EXPECT_FALSE(QFile::exists(f.dir.shutdownMarker()));
      }}},
    {"系统设置",
     [](Fx &f) {
         auto *w = new TSystemsetForm(f.ctx, &f.owner);
         w->sRadioButton4->setChecked(true); // 整点不报时
         return w;
     },
     {After::Accepted, [](Fx &f) { EXPECT_FALSE(f.ctx.vars.ChimeOn); }},
     {After::Rejected, [](Fx &f) { EXPECT_TRUE(f.ctx.vars.ChimeOn); }}},
    // 确定 puts the skin on and the dialog stays for another try.
    {"个性皮肤",
     [](Fx &f) {
         auto *w = new TStylesetForm(f.ctx, f.skins, &f.owner);
         f.skins.SkinDirectory = f.ctx.vars.SkinDir;
         return w;
     },
     {After::StaysOpen,
      [](Fx &f) {
          EXPECT_EQ(f.skins.SkinName(), QStringLiteral("beijing"));
          EXPECT_EQ(ReadMainConfig(f.dir.path(), QStringLiteral("System"), QStringLiteral("Style"), {}),
                    QStringLiteral("beijing"));
      }},
     {After::Rejected,
      [](Fx &f) {
          EXPECT_EQ(ReadMainConfig(f.dir.path(), QStringLiteral("System"), QStringLiteral("Style"), {}), QString());
      }}},
    {"关于我们", [](Fx &f) { return new TAboutForm(f.ctx, &f.owner); }, {After::StaysOpen, nothing},
     {After::Rejected, nothing}},
    // its one button, 在线咨询反馈, is the one Enter presses
    {"咨询反馈", [](Fx &f) { return new TServerForm(f.ctx, &f.owner); },
     {After::StaysOpen, [](Fx &f) { EXPECT_EQ(f.shell.calls, QStringList{QStringLiteral("web ") + f.ctx.vars.FeedbackPageUrl}); }},
     {After::Rejected, nothing}},
    {"字体", [](Fx &f) { return new TFontDialog(&f.owner); }, {After::Accepted, nothing}, {After::Rejected, nothing}},
};

// Texts cut off at the dialog's fixed geometry.
QStringList clipped(QWidget *dialog)
{
    QStringList out;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QString text;
        QSize need;
        if (auto *p = qobject_cast<QPushButton *>(w)) {
            // the style's minimum width is no clipping; the text and its frame are what count
            text = p->text();
            const QFontMetrics fm(p->font());
            need = QSize(fm.horizontalAdvance(text) + 8, fm.height() + 4);
        } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            text = b->text();
            need = b->sizeHint();
        } else if (auto *l = qobject_cast<QLabel *>(w); l && !l->wordWrap()) {
            text = l->text();
            need = l->sizeHint();
        }
        if (text.isEmpty() || w->parentWidget()->layout())
            continue;
        if (need.width() > w->width() || need.height() > w->height() + 2)
            out << QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                       .arg(w->objectName(), text)
                       .arg(need.width()).arg(need.height()).arg(w->width()).arg(w->height());
    }
    return out;
}

// Tab visits the controls of a fixed-geometry dialog in reading order: rows top to
// bottom, left to right in a row. Returns the first pair out of order.
QString tabOrderFault(QDialog *dialog)
{
    QList<QWidget *> chain;
    for (QWidget *w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == dialog)
            chain << w;
    for (int i = 1; i < chain.size(); ++i) {
        const QPoint a = chain[i - 1]->mapTo(dialog, QPoint(0, 0)), b = chain[i]->mapTo(dialog, QPoint(0, 0));
        const bool sameRow = qAbs(a.y() - b.y()) <= 8;
        if (sameRow ? b.x() < a.x() : b.y() < a.y())
            return chain[i - 1]->objectName() + QStringLiteral(" before ") + chain[i]->objectName();
    }
    return {};
}

void press(const DialogCase &c, Qt::Key key, const Answer &want)
{
    SCOPED_TRACE(std::string(c.name) + (key == Qt::Key_Return ? " + Enter" : " + Esc"));
    Fx f;
    std::unique_ptr<QDialog> d(c.make(f));
    ASSERT_EQ(d->parentWidget(), &f.owner);
    std::optional<int> result;
    QObject::connect(d.get(), &QDialog::finished, [&](int r) { result = r; });
    d->open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
    QApplication::setActiveWindow(d.get());
    if (key == Qt::Key_Return) { // once per dialog is enough for the look
        const QPoint off = d->frameGeometry().center() - f.owner.frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2) << "not centred on its owner";
        EXPECT_EQ(clipped(d.get()).join(QLatin1Char('\n')).toStdString(), "");
        if (!d->layout()) // a laid-out dialog follows its layout
            EXPECT_EQ(tabOrderFault(d.get()).toStdString(), "");
    }
    QWidget *target = d->focusWidget() ? d->focusWidget() : d.get();
    QTest::keyClick(target, key);
    QCoreApplication::processEvents();
    switch (want.after) {
    case After::Accepted: EXPECT_EQ(result, std::optional<int>(QDialog::Accepted)); break;
    case After::Rejected: EXPECT_EQ(result, std::optional<int>(QDialog::Rejected)); break;
    case After::StaysOpen: EXPECT_EQ(result, std::nullopt); break;
    }
    EXPECT_EQ(d->isVisible(), want.after == After::StaysOpen);
    want.check(f);
}
} // namespace

TEST(DialogKeys, EnterAndEscAnswerAsTheButtonsDo)
{
    for (const DialogCase &c : kCases) {
        press(c, Qt::Key_Return, c.onReturn);
        press(c, Qt::Key_Escape, c.onEscape);
    }
}

int main(int argc, char **argv)
{
    // 系统设置 writes the autostart entry: never the real user's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
