#include "UiFixture.h"

#include "data/TaskVocabulary.h"
#include "editors/TaskEditorForm.h"
#include "mainwindow/MainConfig.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {
QString S(const char16_t *s) { return QString::fromUtf16(s); }

template <class W>
W *child(QWidget *w, const char *name)
{
    return w->findChild<W *>(QString::fromLatin1(name));
}

struct Editor {
    UiApp app;
    std::unique_ptr<TTaskEditorForm> form;
    QStringList messages;
    QStringList waves;
    QString nextPick;
    QStringList filters;
    explicit Editor(int kind, bool connect = true) : app(connect)
    {
        form.reset(CreateTaskEditor(kind, app.ctx, nullptr));
        form->showMessage = [this](const QString &m) { messages << m; };
        form->playWave = [this](const QString &f) { waves << f; };
        form->pickFile = [this](QWidget *, const QString &filter) {
            filters << filter;
            return nextPick;
        };
    }
};
} // namespace

TEST(TaskEditorForm, EachKindHasItsRows)
{
    struct Case {
        int kind;
        const char *objectName;
        const char16_t *newTitle;
        QSize size;
        const char16_t *label4, *label5; // nullptr: no such row
        const char16_t *button4;
        bool memo;
        QList<int> repeats;
    } cases[] = {
        {Vocab::TabAlarm, "ClockForm", u"新建闹钟任务", {426, 286}, u"提醒声音", u"任务内容", u"试听", true, {1, 2, 3, 4, 5, 6}},
        {Vocab::TabSchedule, "TodaysetForm", u"新建日程任务", {426, 286}, u"提醒声音", u"任务内容", u"试听", true, {1, 2, 3, 4, 5, 6}},
        {Vocab::TabCountdown, "TimeForm", u"新建倒计时任务", {426, 286}, u"提醒声音", u"任务内容", u"试听", true, {1, 3}},
        {Vocab::TabProgram, "ExeForm", u"新建执行程序", {426, 286}, u"运行程序", u"运行方式", u"选择程序", false, {1, 2, 3, 4, 5, 6}},
        {Vocab::TabShutdown, "OffForm", u"新建关机任务", {426, 177}, nullptr, nullptr, nullptr, false, {1, 2, 3, 4, 5, 6}},
    };
    const char16_t *repeatCaptions[] = {u"单次", u"每小时", u"每天", u"每周", u"每月", u"每年"};
    for (const Case &c : cases) {
        Editor e(c.kind);
        TTaskEditorForm *f = e.form.get();
        SCOPED_TRACE(c.objectName);
        EXPECT_EQ(f->objectName(), QString::fromLatin1(c.objectName));
        EXPECT_EQ(f->size(), c.size);
        EXPECT_EQ(child<QLabel>(f, "sLabel1")->text(), S(u"任务标题"));
        EXPECT_EQ(child<QLabel>(f, "sLabel2")->text(), S(u"任务时间"));
        EXPECT_EQ(child<QLabel>(f, "sLabel3")->text(), S(u"循环方式"));
        EXPECT_EQ(child<QCheckBox>(f, "sCheckBox1")->text(), S(u"农历"));
        EXPECT_EQ(child<QLineEdit>(f, "Edit1")->text(), QStringLiteral("0"));
        EXPECT_TRUE(child<QLineEdit>(f, "Edit1")->isHidden());
        EXPECT_EQ(child<QPushButton>(f, "Button1")->text(), S(u"确定"));
        EXPECT_EQ(child<QPushButton>(f, "Button2")->text(), S(u"取消"));
        EXPECT_TRUE(child<QPushButton>(f, "Button1")->isDefault());
        EXPECT_TRUE(child<QRadioButton>(f, "sRadioButton1")->isChecked());
        for (int code = 1; code <= 6; ++code) {
            auto *b = f->findChild<QRadioButton *>(QStringLiteral("sRadioButton%1").arg(code));
            ASSERT_TRUE(b);
            EXPECT_EQ(b->text(), S(repeatCaptions[code - 1]));
            EXPECT_EQ(!b->isHidden(), c.repeats.contains(code)) << code;
        }
        auto *l4 = child<QLabel>(f, "sLabel4");
        auto *l5 = child<QLabel>(f, "sLabel5");
        ASSERT_EQ(l4 != nullptr, c.label4 != nullptr);
        ASSERT_EQ(l5 != nullptr, c.label5 != nullptr);
        if (c.label4) {
            EXPECT_EQ(l4->text(), S(c.label4));
            EXPECT_EQ(l5->text(), S(c.label5));
            EXPECT_EQ(child<QPushButton>(f, "Button4")->text(), S(c.button4));
            EXPECT_FALSE(child<QLineEdit>(f, "sEdit2")->isEnabled());
        } else {
            EXPECT_FALSE(child<QLineEdit>(f, "sEdit2"));
            EXPECT_FALSE(child<QPushButton>(f, "Button4"));
        }
        EXPECT_EQ(child<QPlainTextEdit>(f, "Memo1") != nullptr, c.memo);
        EXPECT_EQ(child<QPushButton>(f, "Button3") != nullptr, c.memo); // the sound row's ---
        EXPECT_EQ(child<QRadioButton>(f, "sRadioButton7") != nullptr, c.kind == Vocab::TabProgram);
        f->PrepareNew();
        EXPECT_EQ(f->windowTitle(), S(c.newTitle));
        // every control lies inside the client area
        for (QWidget *w : f->findChildren<QWidget *>())
            if (!w->isHidden() && w->parentWidget() == f)
                EXPECT_TRUE(QRect(QPoint(0, 0), c.size).contains(w->geometry())) << w->objectName().toStdString();
    }
    Editor exe(Vocab::TabProgram);
    EXPECT_EQ(child<QRadioButton>(exe.form.get(), "sRadioButton7")->text(), S(u"常规"));
    EXPECT_EQ(child<QRadioButton>(exe.form.get(), "sRadioButton8")->text(), S(u"最小化"));
    EXPECT_EQ(child<QRadioButton>(exe.form.get(), "sRadioButton9")->text(), S(u"最大化"));
    EXPECT_TRUE(child<QRadioButton>(exe.form.get(), "sRadioButton7")->isChecked());
}

TEST(TaskEditorForm, PrepareNewKeepsLunarKeyAndShowMode)
{
    Editor e(Vocab::TabProgram);
    TTaskEditorForm *f = e.form.get();
    f->sEdit1->setText(QStringLiteral("x"));
    f->sEdit2->setText(QStringLiteral("/bin/true"));
    f->sCheckBox1->setChecked(true);
    f->Edit1->setText(QStringLiteral("42"));
    f->sRadioButton9->setChecked(true);
    f->sRadioButton4->setChecked(true);
    e.app.clock.set(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5, 678)));
    f->PrepareNew();
    EXPECT_TRUE(f->sEdit1->text().isEmpty());
    EXPECT_TRUE(f->sEdit2->text().isEmpty());
    EXPECT_TRUE(f->sRadioButton1->isChecked());
    EXPECT_EQ(f->AdvDateTimePicker1->date(), QDate(2027, 1, 2));
    EXPECT_EQ(f->AdvDateTimePicker2->time(), QTime(3, 4, 5));
    EXPECT_TRUE(f->sCheckBox1->isChecked());
    EXPECT_EQ(f->Edit1->text(), QStringLiteral("42"));
    EXPECT_TRUE(f->sRadioButton9->isChecked());
}

TEST(TaskEditorForm, ChangeFillsTheControls)
{
    Editor e(Vocab::TabProgram);
    TTaskEditorForm *f = e.form.get();
    f->sRadioButton3->setChecked(true);
    TaskEditor::TaskRecord r{QStringLiteral("9"), QStringLiteral("备份"), QStringLiteral("/usr/bin/backup"),
                             QStringLiteral("2027-03-04"), QStringLiteral("05:06:07"), S(u"农历"),
                             QStringLiteral("9"), QStringLiteral("3")};
    ASSERT_TRUE(f->PrepareChange(r));
    EXPECT_EQ(f->windowTitle(), S(u"修改执行程序"));
    EXPECT_EQ(f->Edit1->text(), QStringLiteral("9"));
    EXPECT_EQ(f->sEdit1->text(), S(u"备份"));
    EXPECT_EQ(f->sEdit2->text(), QStringLiteral("/usr/bin/backup"));
    EXPECT_TRUE(f->sCheckBox1->isChecked());
    EXPECT_TRUE(f->sRadioButton3->isChecked()); // a code outside 1..6 leaves the group
    EXPECT_TRUE(f->sRadioButton9->isChecked());
    EXPECT_EQ(f->AdvDateTimePicker1->date(), QDate(2027, 3, 4));
    EXPECT_EQ(f->AdvDateTimePicker2->time(), QTime(5, 6, 7));

    r.date = QStringLiteral("03/04/2027");
    r.title = QStringLiteral("不该出现");
    QString error;
    EXPECT_FALSE(f->PrepareChange(r, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(f->sEdit1->text(), S(u"备份"));
}

TEST(TaskEditorForm, SoundRowShowsPicksAndPreviews)
{
    struct Case {
        int kind;
        bool replacesClockMusicFile;
        bool wave;
        const char16_t *filter; // nullptr: every file
    } cases[] = {
        {Vocab::TabAlarm, true, false, u"Wav音频文件 (*.Wav *.wav *.WAV)"},
        {Vocab::TabCountdown, true, false, u"Wav音频文件 (*.Wav *.wav *.WAV)"},
        {Vocab::TabSchedule, false, true, nullptr},
    };
    for (const Case &c : cases) {
        Editor e(c.kind);
        TTaskEditorForm *f = e.form.get();
        const QString dir = e.app.dir.path();
        const QString before = e.app.ctx.vars.ClockMusicFile;
        f->FormShow();
        EXPECT_EQ(f->sEdit2->text(), dir + QStringLiteral("Music/defult.wav"));

        e.nextPick = QString(); // cancelled
        f->Button3Click();
        EXPECT_EQ(f->sEdit2->text(), dir + QStringLiteral("Music/defult.wav"));
        EXPECT_TRUE(ReadMainConfig(dir, QStringLiteral("Music"), QStringLiteral("ClockMusic"), {}).isEmpty());
        EXPECT_EQ(e.filters.value(0), c.filter ? S(c.filter) : QString());

        e.app.dir.writeFile(QStringLiteral("Music/铃声 1.wav"), "RIFF");
        const QString picked = dir + QStringLiteral("Music/铃声 1.wav");
        e.nextPick = picked;
        f->Button3Click();
        EXPECT_EQ(f->sEdit2->text(), picked);
        EXPECT_EQ(ReadMainConfig(dir, QStringLiteral("Music"), QStringLiteral("ClockMusic"), {}), picked);
        EXPECT_EQ(e.app.ctx.vars.ClockMusicFile, c.replacesClockMusicFile ? picked : before);

        f->Button2Click(); // cancelled: the sound stays chosen
        f->sEdit2->clear();
        f->FormShow();
        EXPECT_EQ(f->sEdit2->text(), picked);

        e.app.player.calls.clear();
        f->Button4Click();
        if (c.wave) {
            EXPECT_EQ(e.waves, QStringList{picked});
            EXPECT_TRUE(e.app.player.calls.isEmpty());
        } else {
            EXPECT_EQ(e.app.player.calls,
                      (QStringList{QStringLiteral("Close"), QStringLiteral("FileName=") + picked, QStringLiteral("Open"),
                                   QStringLiteral("Play")}));
        }
        // A missing file plays nothing.
        e.app.player.calls.clear();
        e.waves.clear();
        f->sEdit2->setText(dir + QStringLiteral("Music/none.wav"));
        f->Button4Click();
        EXPECT_TRUE(e.app.player.calls.isEmpty());
        EXPECT_TRUE(e.waves.isEmpty());
    }
}

TEST(TaskEditorForm, CancelStopsThePlayerOnlyWhereThereIsASoundRow)
{
    for (int kind = 0; kind <= 4; ++kind) {
        Editor e(kind);
        e.form->Button2Click();
        EXPECT_EQ(e.app.player.calls.contains(QStringLiteral("Close")), e.form->kind().hasSoundRow()) << kind;
        EXPECT_EQ(e.form->result(), QDialog::Rejected);
    }
    // The close box writes nothing and leaves a preview playing.
    Editor closeBox(Vocab::TabAlarm);
    closeBox.form->PrepareNew();
    closeBox.form->sEdit1->setText(QStringLiteral("x"));
    closeBox.form->show();
    EXPECT_TRUE(closeBox.form->close());
    EXPECT_FALSE(closeBox.form->isVisible());
    EXPECT_TRUE(closeBox.app.player.calls.isEmpty());
    EXPECT_EQ(closeBox.app.count(), 0);

    Editor noPlayer(Vocab::TabAlarm);
    noPlayer.app.ctx.MediaPlayer1 = nullptr;
    noPlayer.form->Button2Click(); // no player: nothing to stop
}

TEST(TaskEditorForm, ProgramPickFillsThePath)
{
    Editor e(Vocab::TabProgram);
    e.nextPick = QStringLiteral("/opt/工具/run me");
    e.form->Button4Click();
    EXPECT_EQ(e.form->sEdit2->text(), QStringLiteral("/opt/工具/run me"));
    e.nextPick.clear();
    e.form->Button4Click();
    EXPECT_EQ(e.form->sEdit2->text(), QStringLiteral("/opt/工具/run me"));
    EXPECT_TRUE(ReadMainConfig(e.app.dir.path(), QStringLiteral("Music"), QStringLiteral("ClockMusic"), {}).isEmpty());
}

TEST(TaskEditorForm, SaveReloadsAndCloses)
{
    Editor e(Vocab::TabAlarm);
    TTaskEditorForm *f = e.form.get();
    e.app.dm.ADOClock.SetSQL(Statements::TabList(0, Vocab::TabAlarm));
    e.app.dm.ADOClock.Open();
    f->PrepareNew();
    f->show();
    f->sEdit1->setText(QStringLiteral("喝水"));
    f->Memo1->setPlainText(QStringLiteral("一杯\n两杯"));
    f->sRadioButton3->setChecked(true);
    f->Button1Click();
    EXPECT_TRUE(e.messages.isEmpty()) << e.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(e.app.list.ActiveTaskCount(), 1);
    EXPECT_EQ(e.app.dm.ADOClock.RecordCount(), 1);
    EXPECT_EQ(e.app.dm.ADOClock.FieldAsString(QStringLiteral("taskmemo")), QStringLiteral("一杯\n两杯"));
    EXPECT_EQ(e.app.dm.ADOClock.FieldAsString(QStringLiteral("tasktime")), S(u"每天 10:30:00"));

    // Refusals keep the dialog open; an empty title takes the focus.
    f->PrepareNew();
    f->show();
    f->Memo1->setFocus();
    f->Button1Click();
    EXPECT_EQ(e.messages, QStringList{S(u"任务名称不能为空")});
    EXPECT_EQ(f->focusWidget(), f->sEdit1);
    EXPECT_TRUE(f->isVisible());
    f->sEdit1->setText(QStringLiteral("喝水"));
    f->Button1Click();
    EXPECT_EQ(e.messages.last(), S(u"已存在相同的任务标题"));
    f->sEdit1->setText(QStringLiteral("迟到"));
    f->AdvDateTimePicker2->setTime(QTime(10, 29, 59));
    f->Button1Click();
    EXPECT_EQ(e.messages.last(), S(u"单次循环的闹钟时间必须大于现在时间"));
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(e.app.count(), 1);
    f->hide();

    Editor offline(Vocab::TabAlarm, false);
    offline.form->PrepareNew();
    offline.form->sEdit1->setText(QStringLiteral("x"));
    offline.form->Button1Click();
    EXPECT_EQ(offline.messages, QStringList{S(u"数据库连接失败!")});
}

TEST(TaskEditorForm, KeyboardSavesCancelsAndTabsInOrder)
{
    Editor e(Vocab::TabAlarm);
    TTaskEditorForm *f = e.form.get();
    QWidget owner;
    owner.setGeometry(300, 200, 644, 388);
    owner.show();
    f->setParent(&owner, f->windowFlags());
    f->PrepareNew();
    f->show();
    EXPECT_LE((f->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(f->focusWidget(), f->sEdit1);

    QTest::keyClicks(f->sEdit1, QStringLiteral("enter"));
    QTest::keyClick(f->sEdit1, Qt::Key_Return);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(e.app.count(), 1);

    f->PrepareNew();
    f->show();
    QTest::keyClicks(f->sEdit1, QStringLiteral("no"));
    QTest::keyClick(f->sEdit1, Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_TRUE(e.app.player.calls.contains(QStringLiteral("Close")));
    EXPECT_EQ(e.app.count(), 1);

    // Enter in the content box is a line break; Ctrl+Enter saves from there.
    f->PrepareNew();
    f->show();
    f->sEdit1->setText(QStringLiteral("多行"));
    f->Memo1->setFocus();
    QTest::keyClicks(f->Memo1, QStringLiteral("a"));
    QTest::keyClick(f->Memo1, Qt::Key_Return);
    QTest::keyClicks(f->Memo1, QStringLiteral("b"));
    EXPECT_TRUE(f->isVisible());
    QTest::keyClick(f->Memo1, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(e.app.count(), 2);

    // Tab order follows the rows.
    QList<QWidget *> chain;
    QWidget *w = f->sEdit1;
    do {
        if (w->isVisibleTo(f) && (w->focusPolicy() & Qt::TabFocus) && w->window() == f)
            chain << w;
        w = w->nextInFocusChain();
    } while (w != f->sEdit1 && chain.size() < 100);
    const QList<QWidget *> order = {f->sEdit1,   f->AdvDateTimePicker1, f->AdvDateTimePicker2, f->sCheckBox1,
                                    f->sRadioButton1, f->Button3,        f->Button4,           f->Memo1,
                                    f->Button1,  f->Button2};
    int last = -1;
    for (QWidget *x : order) {
        const int i = int(chain.indexOf(x));
        EXPECT_GT(i, last) << x->objectName().toStdString();
        last = i;
    }
    f->setParent(nullptr);
}

TEST(TaskEditorForm, AwkwardTextsRoundTrip)
{
    Editor e(Vocab::TabSchedule);
    TTaskEditorForm *f = e.form.get();
    const QString texts[] = {QStringLiteral("a'b\"c\\d"), QStringLiteral("x\ny\nz"), S(u"🙂日程"),
                             QString(10000, QLatin1Char('w'))};
    for (const QString &t : texts) {
        f->PrepareNew();
        f->sEdit1->setText(t.left(10000).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        f->Memo1->setPlainText(t);
        f->Button1Click();
        ASSERT_TRUE(e.messages.isEmpty()) << e.messages.join(QLatin1Char('|')).toStdString();
        TQuery &q = e.app.dm.ADO2;
        q.SetSQL(QStringLiteral("select * from task order by id desc"));
        q.Open();
        const TaskEditor::TaskRecord r = TaskEditor::RecordFromQuery(q);
        f->sEdit1->clear();
        f->Memo1->clear();
        ASSERT_TRUE(f->PrepareChange(r));
        EXPECT_EQ(f->Memo1->toPlainText(), t);
        EXPECT_EQ(f->sEdit1->text(), QString(t).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
}

TEST(TaskEditorForm, ScheduleWavePreviewRunsOnTheRealBackend)
{
    UiApp app;
    std::unique_ptr<TTaskEditorForm> f(CreateTaskEditor(Vocab::TabSchedule, app.ctx, nullptr));
    // A short silent PCM wave, made here.
    QByteArray wav;
    auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xff)); };
    auto u16 = [&](quint16 v) { wav.append(char(v & 0xff)).append(char(v >> 8)); };
    const quint32 samples = 800;
    wav.append("RIFF");
    u32(36 + samples * 2);
    wav.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    wav.append("data");
    u32(samples * 2);
    wav.append(QByteArray(int(samples * 2), '\0'));
    app.dir.writeFile(QStringLiteral("Music/silence.wav"), wav);
    f->sEdit2->setText(app.dir.file(QStringLiteral("Music/silence.wav")));
    f->Button4Click(); // fire and forget: returns at once
    f->Button2Click(); // 取消 leaves it alone and stops only the media player
    EXPECT_EQ(app.player.calls, QStringList{QStringLiteral("Close")});
    QCoreApplication::processEvents();
}
