#include "UiFixture.h"

#include "data/TaskVocabulary.h"
#include "editors/TaskEditorForm.h"
#include "editors/TaskGridModel.h"
#include "mainwindow/MainUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
QString S(const char16_t *s) { return QString::fromUtf16(s); }

struct Tabs {
    UiApp app;
    std::function<void()> seed;
    std::unique_ptr<TMainForm> form;
    QList<TTaskEditorForm *> shown;
    QStringList titles;
    QStringList messages;
    std::function<void(TTaskEditorForm *)> whileShown; // what the user does in the editor
    void create()
    {
        if (seed)
            seed();
        form = std::make_unique<TMainForm>(app.ctx);
        form->showEditor = [this](TTaskEditorForm *e) {
            shown << e;
            titles << e->windowTitle();
            if (whileShown)
                whileShown(e);
            return 0;
        };
        form->tabMessage = [this](const QString &m) { messages << m; };
    }
    template <class W>
    W *find(const char *name)
    {
        return form->findChild<W *>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *name) { return find<QPushButton>(name); }
};

struct TabNames {
    int kind;
    const char *sheet, *filter, *grid, *add, *edit, *del, *editor;
    bool scrollBars;
};
const TabNames kTabs[] = {
    {Vocab::TabSchedule, "sTabSheet2", "sComboBox2", "TodayStringGrid", "TodayaddButton", "TodayeditButton",
     "TodaydelButton", "TodaysetForm", true},
    {Vocab::TabAlarm, "sTabSheet3", "sComboBox1", "ClockStringGrid", "ClockaddButton", "ClockeditButton",
     "ClockdelButton", "ClockForm", false},
    {Vocab::TabProgram, "sTabSheet5", "sComboBox3", "ExeStringGrid", "ExeaddButton", "ExeeditButton",
     "ExedelButton", "ExeForm", true},
    {Vocab::TabShutdown, "sTabSheet6", "sComboBox4", "OffStringGrid", "OffaddButton", "OffeditButton",
     "OffdelButton", "OffForm", true},
    {Vocab::TabCountdown, "sTabSheet4", "sComboBox5", "TimeStringGrid", "TimeaddButton", "TimeeditButton",
     "TimedelButton", "TimeForm", false},
};
} // namespace

TEST(TaskTabs, EachTabHasItsFilterGridAndButtons)
{
    Tabs t;
    t.seed = [&] { t.app.insert(Vocab::KindAlarm, QStringLiteral("闹")); };
    t.create();
    for (const TabNames &n : kTabs) {
        SCOPED_TRACE(n.grid);
        auto *sheet = t.find<QWidget>(n.sheet);
        auto *box = t.find<QComboBox>(n.filter);
        auto *grid = t.find<QTableView>(n.grid);
        ASSERT_TRUE(sheet && box && grid);
        EXPECT_EQ(box->parentWidget(), sheet);
        EXPECT_EQ(grid->parentWidget(), sheet);
        ASSERT_EQ(box->count(), 2);
        EXPECT_EQ(box->itemText(0), S(u"有效任务"));
        EXPECT_EQ(box->itemText(1), S(u"过期任务"));
        EXPECT_EQ(box->currentIndex(), 0);
        EXPECT_TRUE(box->isEditable());
        EXPECT_EQ(t.button(n.add)->text(), S(u"新建"));
        EXPECT_EQ(t.button(n.edit)->text(), S(u"修改"));
        EXPECT_EQ(t.button(n.del)->text(), S(u"删除"));
        const bool hasRows = n.kind == Vocab::TabAlarm;
        EXPECT_EQ(t.button(n.edit)->isEnabled(), hasRows);
        EXPECT_EQ(t.button(n.del)->isEnabled(), hasRows);
        EXPECT_EQ(t.form->editorForKind(n.kind)->objectName(), QString::fromLatin1(n.editor));
        EXPECT_EQ(grid->model()->rowCount(), hasRows ? 1 : 0);
        EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        const Qt::ScrollBarPolicy bars = n.scrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        EXPECT_EQ(grid->verticalScrollBarPolicy(), bars);
        EXPECT_EQ(grid->horizontalScrollBarPolicy(), bars);
        struct Col {
            const char16_t *header;
            int width;
        };
        const QList<Col> cols = n.kind == Vocab::TabCountdown
            ? QList<Col>{{u"任务名称", 116}, {u"到期时间", 115}, {u"时间类型", 62}, {u"剩余时间", 119}}
            : QList<Col>{{u"任务名称", 188}, {u"到期时间", 154}, {u"时间类型", 68}};
        ASSERT_EQ(grid->model()->columnCount(), n.kind == Vocab::TabCountdown ? 8 : 3);
        for (int c = 0; c < cols.size(); ++c) {
            EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(), S(cols[c].header));
            EXPECT_EQ(grid->columnWidth(c), cols[c].width);
            EXPECT_FALSE(grid->isColumnHidden(c));
        }
        for (int c = int(cols.size()); c < grid->model()->columnCount(); ++c)
            EXPECT_TRUE(grid->isColumnHidden(c));
        // Right of x 433 and below y 233 the web panels live.
        for (QWidget *w : sheet->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden()) {
                EXPECT_LE(w->geometry().right(), 432) << w->objectName().toStdString();
                EXPECT_LE(w->geometry().bottom(), 232) << w->objectName().toStdString();
            }
    }
    EXPECT_EQ(t.button("OpenButton")->text(), S(u"桌面悬浮"));
    EXPECT_EQ(t.button("OpenButton")->parentWidget(), t.find<QWidget>("sTabSheet2"));
    EXPECT_EQ(t.form->TimeStringGrid, t.find<QTableView>("TimeStringGrid"));
    EXPECT_EQ(t.form->TimeGridModel->textColumn(), 3);
}

TEST(TaskTabs, QuickCreateButtonsOpenNewTasks)
{
    Tabs t;
    t.create();
    struct Q {
        const char *name;
        const char16_t *caption, *title;
    } quick[] = {{"ClockButton", u"闹钟任务", u"新建闹钟任务"}, {"ExeButton", u"执行程序", u"新建执行程序"},
                 {"OffButton", u"定时关机", u"新建关机任务"},   {"TimeButton", u"倒计时", u"新建倒计时任务"},
                 {"TodayButton", u"日程提醒", u"新建日程任务"}};
    for (const Q &q : quick) {
        QPushButton *b = t.button(q.name);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->parentWidget(), t.find<QGroupBox>("sGroupBox1"));
        EXPECT_EQ(b->text(), S(q.caption));
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(t.titles.last(), S(q.title));
    }
    for (const TabNames &n : kTabs) {
        QTest::mouseClick(t.button(n.add), Qt::LeftButton);
        EXPECT_EQ(t.shown.last()->objectName(), QString::fromLatin1(n.editor));
        EXPECT_EQ(t.titles.last(), t.shown.last()->kind().newCaption());
    }
    EXPECT_EQ(t.shown.size(), 10);
}

TEST(TaskTabs, FilterListsFinishedTasksAndSetsNew)
{
    Tabs t;
    t.seed = [&] {
        t.app.insert(Vocab::KindAlarm, QStringLiteral("有效"));
        t.app.insert(Vocab::KindAlarm, QStringLiteral("旧1"), QStringLiteral("1"));
        t.app.insert(Vocab::KindAlarm, QStringLiteral("旧2"), QStringLiteral("1"));
    };
    t.create();
    auto *box = t.find<QComboBox>("sComboBox1");
    auto *grid = t.find<QTableView>("ClockStringGrid");
    box->setCurrentIndex(1);
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("旧2"));
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QStringLiteral("旧1"));
    EXPECT_FALSE(t.button("ClockaddButton")->isEnabled());
    EXPECT_TRUE(t.button("ClockButton")->isEnabled());
    QTest::mouseClick(t.button("ClockButton"), Qt::LeftButton);
    EXPECT_EQ(t.titles.last(), S(u"新建闹钟任务"));

    // Typing selects nothing and reloads nothing.
    int resets = 0;
    QObject::connect(&t.app.dm.ADOClock, &QAbstractItemModel::modelReset, [&] { ++resets; });
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("abc"));
    EXPECT_EQ(resets, 0);
    EXPECT_FALSE(t.button("ClockaddButton")->isEnabled());

    box->setCurrentIndex(0);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_TRUE(t.button("ClockaddButton")->isEnabled());

    // A filter on an empty kind disables 修改 and 删除.
    t.find<QComboBox>("sComboBox3")->setCurrentIndex(1);
    EXPECT_FALSE(t.button("ExeeditButton")->isEnabled());
    EXPECT_FALSE(t.button("ExedelButton")->isEnabled());
}

TEST(TaskTabs, DeleteRemovesAtOnceWithoutAsking)
{
    Tabs t;
    qint64 id = 0;
    t.seed = [&] {
        t.app.insert(Vocab::KindShutdown, QStringLiteral("甲"));
        id = t.app.insert(Vocab::KindShutdown, QStringLiteral("乙"));
    };
    t.create();
    auto *grid = t.find<QTableView>("OffStringGrid");
    EXPECT_EQ(t.app.list.ActiveTaskCount(), 2);
    QTest::mouseClick(t.button("OffdelButton"), Qt::LeftButton); // row 0, the newest
    EXPECT_FALSE(t.app.field(id, "id").isValid());
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(t.app.list.ActiveTaskCount(), 1);
    QTest::mouseClick(t.button("OffdelButton"), Qt::LeftButton);
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(t.app.list.ActiveTaskCount(), 0);
    EXPECT_TRUE(t.button("OffeditButton")->isEnabled());
    EXPECT_TRUE(t.button("OffdelButton")->isEnabled());
    QTest::mouseClick(t.button("OffdelButton"), Qt::LeftButton);
    QTest::mouseClick(t.button("OffeditButton"), Qt::LeftButton);
    EXPECT_TRUE(t.shown.isEmpty());
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(TaskTabs, DoubleClickChangesTheSelectedTask)
{
    Tabs t;
    t.seed = [&] {
        TestTask p;
        p.kind = Vocab::KindProgram;
        p.title = QStringLiteral("备份");
        p.memo = QStringLiteral("/usr/bin/backup");
        p.exetype = QStringLiteral("3");
        p.xhtype = QStringLiteral("4");
        InsertTestTask(t.app.dm, p);
        t.app.insert(Vocab::KindProgram, QStringLiteral("较新"));
    };
    t.create();
    t.form->show();
    t.form->sPageControl1->setCurrentWidget(t.form->sTabSheet5);
    auto *grid = t.find<QTableView>("ExeStringGrid");
    const QRect r = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_FALSE(t.shown.isEmpty());
    TTaskEditorForm *e = t.shown.last();
    EXPECT_EQ(e, t.form->ExeForm);
    EXPECT_EQ(e->windowTitle(), S(u"修改执行程序"));
    EXPECT_EQ(e->sEdit1->text(), S(u"备份"));
    EXPECT_EQ(e->sEdit2->text(), QStringLiteral("/usr/bin/backup"));
    EXPECT_TRUE(e->sRadioButton9->isChecked());
    EXPECT_TRUE(e->sRadioButton4->isChecked());

    // Enter on the selected row does the same.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_GE(t.shown.size(), 2);
    EXPECT_EQ(t.titles.last(), S(u"修改执行程序"));
}

TEST(TaskTabs, ChangingAFinishedAlarmMakesItActive)
{
    Tabs t;
    qint64 id = 0;
    t.seed = [&] { id = t.app.insert(Vocab::KindAlarm, QStringLiteral("旧"), QStringLiteral("1")); };
    t.create();
    t.find<QComboBox>("sComboBox1")->setCurrentIndex(1);
    t.whileShown = [](TTaskEditorForm *e) {
        e->sRadioButton3->setChecked(true);
        e->Button1Click();
    };
    QTest::mouseClick(t.button("ClockeditButton"), Qt::LeftButton);
    EXPECT_EQ(t.titles.value(0), S(u"修改闹钟任务"));
    EXPECT_EQ(t.app.field(id, "stype").toString(), QStringLiteral("0"));
    EXPECT_EQ(t.find<QTableView>("ClockStringGrid")->model()->rowCount(), 0); // the finished list, reloaded
    EXPECT_TRUE(t.app.list.containsId(QString::number(id)));
    EXPECT_EQ(t.find<QComboBox>("sComboBox1")->currentIndex(), 1);
}

TEST(TaskTabs, CountdownSaveListsTheActiveCountdowns)
{
    Tabs t;
    t.seed = [&] { t.app.insert(Vocab::KindCountdown, QStringLiteral("旧"), QStringLiteral("1")); };
    t.create();
    auto *box = t.find<QComboBox>("sComboBox5");
    box->setCurrentIndex(1);
    auto *grid = t.find<QTableView>("TimeStringGrid");
    ASSERT_EQ(grid->model()->rowCount(), 1);
    t.form->TimeGridModel->setRemainingText(0, QStringLiteral("已经完成"));
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), QStringLiteral("已经完成"));
    t.whileShown = [](TTaskEditorForm *e) {
        e->sEdit1->setText(QStringLiteral("新倒计时"));
        e->AdvDateTimePicker1->setDate(QDate(2026, 12, 12));
        e->Button1Click();
    };
    QTest::mouseClick(t.button("TimeaddButton"), Qt::LeftButton); // disabled under 过期任务
    EXPECT_TRUE(t.shown.isEmpty());
    QTest::mouseClick(t.button("TimeButton"), Qt::LeftButton);
    EXPECT_EQ(t.titles.last(), S(u"新建倒计时任务"));
    ASSERT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->model()->index(0, 0).data().toString(), S(u"新倒计时"));
    EXPECT_EQ(grid->model()->index(0, 3).data().toString(), QString());
    EXPECT_EQ(box->currentText(), S(u"过期任务"));
    EXPECT_TRUE(t.button("TimeeditButton")->isEnabled());
}

TEST(TaskTabs, UnreadableStoredTextsShowAMessageInsteadOfTheEditor)
{
    Tabs t;
    t.seed = [&] {
        TestTask bad;
        bad.kind = Vocab::KindSchedule;
        bad.date = QStringLiteral("12/11/2026");
        InsertTestTask(t.app.dm, bad);
    };
    t.create();
    t.form->TodayStringGridDblClick();
    EXPECT_TRUE(t.shown.isEmpty());
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].contains(QStringLiteral("12/11/2026")));
}

TEST(TaskTabs, ReminderEditHookLoadsOrFrontsTheEditor)
{
    Tabs t;
    qint64 id = 0;
    t.seed = [&] {
        TestTask c;
        c.kind = Vocab::KindCountdown;
        c.title = QStringLiteral("泡面");
        c.memo = QStringLiteral("三分钟");
        c.calendar = Vocab::CalendarSolar;
        id = InsertTestTask(t.app.dm, c);
    };
    t.create();
    ASSERT_TRUE(t.app.ctx.EditTask);
    t.form->TimeForm->sCheckBox1->setChecked(true); // left over from a lunar countdown
    t.app.ctx.EditTask(Vocab::KindCountdown, QString::number(id));
    ASSERT_EQ(t.shown.size(), 1);
    TTaskEditorForm *e = t.form->TimeForm;
    EXPECT_EQ(e->windowTitle(), S(u"修改倒计时任务"));
    EXPECT_EQ(e->Edit1->text(), QString::number(id));
    EXPECT_EQ(e->Memo1->toPlainText(), QStringLiteral("三分钟"));
    EXPECT_FALSE(e->sCheckBox1->isChecked());

    // Gone meanwhile, or no id at all: nothing happens.
    t.app.ctx.EditTask(Vocab::KindCountdown, QStringLiteral("999"));
    t.app.ctx.EditTask(Vocab::KindCountdown, QStringLiteral("x"));
    t.app.ctx.EditTask(QStringLiteral("未知"), QString::number(id));
    EXPECT_EQ(t.shown.size(), 1);

    // Already open: it comes to the front with what the user typed.
    e->show();
    e->sEdit1->setText(QStringLiteral("正在输入"));
    t.app.ctx.EditTask(Vocab::KindCountdown, QString::number(id));
    EXPECT_EQ(t.shown.size(), 1);
    EXPECT_EQ(e->sEdit1->text(), QStringLiteral("正在输入"));
    e->hide();
}

TEST(TaskTabs, ReloadAndNoteHooks)
{
    Tabs t;
    int notes = 0;
    t.app.ctx.ShowNote = [&] { ++notes; };
    t.create();
    QTest::mouseClick(t.button("OpenButton"), Qt::LeftButton);
    EXPECT_EQ(notes, 1);
    t.app.ctx.ShowNote = nullptr;
    t.form->OpenButtonClick(); // no note yet: nothing

    t.find<QComboBox>("sComboBox2")->setCurrentIndex(1);
    t.app.insert(Vocab::KindSchedule, QStringLiteral("完"), QStringLiteral("1"));
    ASSERT_TRUE(t.app.ctx.ReloadTab);
    t.app.ctx.ReloadTab(Vocab::TabSchedule);
    EXPECT_EQ(t.find<QTableView>("TodayStringGrid")->model()->rowCount(), 1); // under its filter
    t.app.ctx.ReloadTab(9);
}

TEST(TaskTabs, AwkwardTitlesAreShownUnchanged)
{
    Tabs t;
    const QString title = QStringLiteral("a'b\"\\c\n😀") + QString(10000, QLatin1Char('x'));
    t.seed = [&] { t.app.insert(Vocab::KindAlarm, title); };
    t.create();
    EXPECT_EQ(t.find<QTableView>("ClockStringGrid")->model()->index(0, 0).data().toString(), title);
    t.form->ClockStringGridDblClick();
    ASSERT_EQ(t.shown.size(), 1);
    EXPECT_EQ(t.form->ClockForm->sEdit1->text(), title);
}
