// The five task tabs of the main window and the home tab's quick-create buttons.
#include "mainwindow/MainUnit.h"

#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "editors/TaskEditorForm.h"
#include "editors/TaskGridModel.h"
#include "scheduler/ActiveTaskList.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <exception>

namespace {

// The widgets of one kind's tab, by kind index.
struct TaskTab {
    QWidget *sheet;
    QComboBox *filter;
    QTableView *grid;
    TTaskGridModel *model;
    QPushButton *add, *edit, *del;
    TTaskEditorForm *editor;
};

TaskTab tabOf(const TMainForm &f, int kind)
{
    switch (kind) {
    case Vocab::TabSchedule:
        return {f.sTabSheet2, f.sComboBox2, f.TodayStringGrid, f.TodayGridModel, f.TodayaddButton,
                f.TodayeditButton, f.TodaydelButton, f.TodaysetForm};
    case Vocab::TabAlarm:
        return {f.sTabSheet3, f.sComboBox1, f.ClockStringGrid, f.ClockGridModel, f.ClockaddButton,
                f.ClockeditButton, f.ClockdelButton, f.ClockForm};
    case Vocab::TabProgram:
        return {f.sTabSheet5, f.sComboBox3, f.ExeStringGrid, f.ExeGridModel, f.ExeaddButton, f.ExeeditButton,
                f.ExedelButton, f.ExeForm};
    case Vocab::TabShutdown:
        return {f.sTabSheet6, f.sComboBox4, f.OffStringGrid, f.OffGridModel, f.OffaddButton, f.OffeditButton,
                f.OffdelButton, f.OffForm};
    case Vocab::TabCountdown:
        return {f.sTabSheet4, f.sComboBox5, f.TimeStringGrid, f.TimeGridModel, f.TimeaddButton, f.TimeeditButton,
                f.TimedelButton, f.TimeForm};
    default: return {};
    }
}

template <class W>
W *named(W *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

QString errorText(const std::exception &e)
{
    return QString::fromStdString(e.what());
}

} // namespace

void TMainForm::buildTaskTabs()
{
    showEditor = [](TTaskEditorForm *editor) { return editor->exec(); };
    tabMessage = [this](const QString &text) {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
        box.exec();
    };

    // The editors, parented to this window so they open centred on it.
    ClockForm = CreateTaskEditor(Vocab::TabAlarm, m_ctx, this);
    TodaysetForm = CreateTaskEditor(Vocab::TabSchedule, m_ctx, this);
    TimeForm = CreateTaskEditor(Vocab::TabCountdown, m_ctx, this);
    ExeForm = CreateTaskEditor(Vocab::TabProgram, m_ctx, this);
    OffForm = CreateTaskEditor(Vocab::TabShutdown, m_ctx, this);
    for (TTaskEditorForm *e : {ClockForm, TodaysetForm, TimeForm, ExeForm, OffForm}) {
        e->addMaingrid = [this] { AddMaingrid(); };
        e->resfgriddata = [this](int stype, int kind) { resfgriddata(stype, kind); };
    }

    struct TabParts {
        int kind;
        QWidget *sheet;
        const char *filterName;
        const char *prefix; // Today, Clock, Exe, Off, Time
        QComboBox **filter;
        QTableView **grid;
        TTaskGridModel **model;
        QPushButton **add, **edit, **del;
        bool scrollBars;
    };
    const TabParts parts[] = {
        {Vocab::TabSchedule, sTabSheet2, "sComboBox2", "Today", &sComboBox2, &TodayStringGrid, &TodayGridModel,
         &TodayaddButton, &TodayeditButton, &TodaydelButton, true},
        {Vocab::TabAlarm, sTabSheet3, "sComboBox1", "Clock", &sComboBox1, &ClockStringGrid, &ClockGridModel,
         &ClockaddButton, &ClockeditButton, &ClockdelButton, false},
        {Vocab::TabProgram, sTabSheet5, "sComboBox3", "Exe", &sComboBox3, &ExeStringGrid, &ExeGridModel,
         &ExeaddButton, &ExeeditButton, &ExedelButton, true},
        {Vocab::TabShutdown, sTabSheet6, "sComboBox4", "Off", &sComboBox4, &OffStringGrid, &OffGridModel,
         &OffaddButton, &OffeditButton, &OffdelButton, true},
        {Vocab::TabCountdown, sTabSheet4, "sComboBox5", "Time", &sComboBox5, &TimeStringGrid, &TimeGridModel,
         &TimeaddButton, &TimeeditButton, &TimedelButton, false},
    };
    // Everything lies left of x 433 and above y 233 of the tab: the rest belongs to the web panels.
    for (const TabParts &s : parts) {
        const QString prefix = QString::fromLatin1(s.prefix);
        auto *box = named(new QComboBox(s.sheet), QString::fromLatin1(s.filterName));
        box->setEditable(true); // typed text selects no item
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems({QStringLiteral("有效任务"), QStringLiteral("过期任务")});
        box->setCurrentIndex(0);
        box->setGeometry(8, 6, 96, 24);
        *s.filter = box;

        *s.add = named(new QPushButton(QStringLiteral("新建"), s.sheet), prefix + QStringLiteral("addButton"));
        *s.edit = named(new QPushButton(QStringLiteral("修改"), s.sheet), prefix + QStringLiteral("editButton"));
        *s.del = named(new QPushButton(QStringLiteral("删除"), s.sheet), prefix + QStringLiteral("delButton"));
        (*s.add)->setGeometry(112, 6, 60, 24);
        (*s.edit)->setGeometry(176, 6, 60, 24);
        (*s.del)->setGeometry(240, 6, 60, 24);
        if (s.kind == Vocab::TabSchedule) {
            OpenButton = named(new QPushButton(QStringLiteral("桌面悬浮"), s.sheet), QStringLiteral("OpenButton"));
            OpenButton->setGeometry(304, 6, 80, 24);
        }

        auto *grid = named(new QTableView(s.sheet), prefix + QStringLiteral("StringGrid"));
        grid->setGeometry(8, 36, 414, 192);
        auto *model = new TTaskGridModel(*m_ctx.data->rowSetForKind(s.kind),
                                         s.kind == Vocab::TabCountdown ? TTaskGridModel::CountdownColumns()
                                                                       : TTaskGridModel::TaskColumns(),
                                         grid);
        model->setObjectName(prefix + QStringLiteral("GridModel"));
        grid->setModel(model);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setDefaultSectionSize(22);
        grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->horizontalHeader()->setHighlightSections(false);
        const Qt::ScrollBarPolicy bars = s.scrollBars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        grid->setHorizontalScrollBarPolicy(bars);
        grid->setVerticalScrollBarPolicy(bars);
        for (int c = 0; c < model->columns().size(); ++c) {
            grid->setColumnWidth(c, model->columns()[c].width);
            grid->setColumnHidden(c, !model->columns()[c].visible);
        }
        *s.grid = grid;
        *s.model = model;

        const int kind = s.kind;
        TRowSet *rs = m_ctx.data->rowSetForKind(kind);
        // The selected row is the row set's current row.
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [rs](const QModelIndex &current) {
                    if (current.isValid())
                        rs->SetCurrentRow(current.row());
                });
        // Double-click, or Enter on a row: change that task.
        connect(grid, &QAbstractItemView::activated, this, [this, rs, kind](const QModelIndex &index) {
            if (index.isValid())
                rs->SetCurrentRow(index.row());
            ChangeTaskOfKind(kind);
        });
        connect(box, &QComboBox::currentIndexChanged, this, [this, kind] { FilterOfKindChanged(kind); });
        connect(*s.edit, &QPushButton::clicked, this, [this, kind] { ChangeTaskOfKind(kind); });
    }
    connect(TodayaddButton, &QPushButton::clicked, this, &TMainForm::TodayaddButtonClick);
    connect(ClockaddButton, &QPushButton::clicked, this, &TMainForm::ClockaddButtonClick);
    connect(ExeaddButton, &QPushButton::clicked, this, &TMainForm::ExeButtonClick);
    connect(OffaddButton, &QPushButton::clicked, this, &TMainForm::OffButtonClick);
    connect(TimeaddButton, &QPushButton::clicked, this, &TMainForm::TimeButtonClick);
    connect(TodaydelButton, &QPushButton::clicked, this, &TMainForm::TodaydelButtonClick);
    connect(ClockdelButton, &QPushButton::clicked, this, &TMainForm::ClockdelButtonClick);
    connect(ExedelButton, &QPushButton::clicked, this, &TMainForm::ExedelButtonClick);
    connect(OffdelButton, &QPushButton::clicked, this, &TMainForm::OffdelButtonClick);
    connect(TimedelButton, &QPushButton::clicked, this, &TMainForm::TimedelButtonClick);
    connect(OpenButton, &QPushButton::clicked, this, &TMainForm::OpenButtonClick);

    // 快速新建 on the home tab: the 新建 handlers of the kinds.
    struct Quick {
        QPushButton **button;
        const char *name;
        const char16_t *caption;
        void (TMainForm::*handler)();
    };
    const Quick quick[] = {
        {&ClockButton, "ClockButton", u"闹钟任务", &TMainForm::ClockaddButtonClick},
        {&ExeButton, "ExeButton", u"执行程序", &TMainForm::ExeButtonClick},
        {&OffButton, "OffButton", u"定时关机", &TMainForm::OffButtonClick},
        {&TimeButton, "TimeButton", u"倒计时", &TMainForm::TimeButtonClick},
        {&TodayButton, "TodayButton", u"日程提醒", &TMainForm::TodayaddButtonClick},
    };
    int x = 12;
    for (const Quick &q : quick) {
        *q.button = named(new QPushButton(QString::fromUtf16(q.caption), sGroupBox1), QString::fromLatin1(q.name));
        (*q.button)->setGeometry(x, 20, 74, 26);
        x += 80;
        connect(*q.button, &QPushButton::clicked, this, q.handler);
    }

    m_ctx.EditTask = [this](const QString &kind, const QString &id) { EditTaskById(kind, id); };
    m_ctx.ReloadTab = [this](int kindIndex) {
        TRowSet *rs = m_ctx.data->rowSetForKind(kindIndex);
        if (!rs)
            return;
        if (rs->SQL().isEmpty())
            resfgriddata(0, kindIndex);
        else
            rs->Reopen();
    };
}

void TMainForm::resfgriddata(int stype, int tasktype)
{
    TRowSet *rs = m_ctx.data->rowSetForKind(tasktype);
    if (!rs)
        return;
    rs->Close();
    rs->SetSQL(Statements::TabList(stype, tasktype));
    rs->Open();
    const TaskTab t = tabOf(*this, tasktype);
    const bool any = !rs->IsEmpty();
    if (t.edit)
        t.edit->setEnabled(any);
    if (t.del)
        t.del->setEnabled(any);
}

TTaskEditorForm *TMainForm::editorForKind(int kindIndex) const
{
    return tabOf(*this, kindIndex).editor;
}

void TMainForm::NewTaskOfKind(int kindIndex)
{
    TTaskEditorForm *editor = editorForKind(kindIndex);
    if (!editor)
        return;
    if (editor->isVisible()) { // already open (under a reminder): keep what the user typed
        editor->raise();
        editor->activateWindow();
        return;
    }
    editor->PrepareNew();
    showEditor(editor); // the editor's save does the reloading
}

void TMainForm::ChangeTaskOfKind(int kindIndex)
{
    TTaskEditorForm *editor = editorForKind(kindIndex);
    TRowSet *rs = m_ctx.data->rowSetForKind(kindIndex);
    if (!editor || !rs || rs->IsEmpty())
        return;
    if (editor->isVisible()) {
        editor->raise();
        editor->activateWindow();
        return;
    }
    QString error;
    if (!editor->PrepareChange(TaskEditor::RecordFromRowSet(*rs), &error)) {
        tabMessage(error);
        return;
    }
    showEditor(editor);
}

void TMainForm::DeleteTaskOfKind(int kindIndex)
{
    TRowSet *rs = m_ctx.data->rowSetForKind(kindIndex);
    if (!rs || rs->IsEmpty())
        return;
    try {
        rs->DeleteCurrent(); // no confirmation; 修改 and 删除 keep their state
        AddMaingrid();
    } catch (const std::exception &e) {
        tabMessage(errorText(e));
    }
}

void TMainForm::FilterOfKindChanged(int kindIndex)
{
    const TaskTab t = tabOf(*this, kindIndex);
    if (!t.filter)
        return;
    const int item = t.filter->currentIndex();
    if (item < 0 || t.filter->currentText() != t.filter->itemText(item))
        return; // typed text selects nothing
    try {
        resfgriddata(item, kindIndex);
    } catch (const std::exception &e) {
        tabMessage(errorText(e));
    }
    t.add->setEnabled(item == 0);
}

void TMainForm::EditTaskById(const QString &kind, const QString &id)
{
    const int kindIndex = Vocab::indexForKindWord(kind);
    TTaskEditorForm *editor = editorForKind(kindIndex);
    if (!editor)
        return;
    if (editor->isVisible()) {
        // Open already: a second modal showing is impossible and refilling would throw away
        // what the user has typed, so it only comes to the front.
        editor->raise();
        editor->activateWindow();
        return;
    }
    TaskEditor::TaskRecord record;
    try {
        TQuery &q = m_ctx.data->ADO2;
        q.Close();
        q.SetSQL(Statements::SelectTask(id));
        q.Open();
        if (q.IsEmpty())
            return; // deleted meanwhile
        record = TaskEditor::RecordFromQuery(q);
    } catch (const EDatabaseError &) {
        return;
    }
    QString error;
    if (!editor->PrepareChange(record, &error)) {
        tabMessage(error);
        return;
    }
    showEditor(editor);
}

void TMainForm::TodayaddButtonClick() { NewTaskOfKind(Vocab::TabSchedule); }
void TMainForm::ClockaddButtonClick() { NewTaskOfKind(Vocab::TabAlarm); }
void TMainForm::ExeButtonClick() { NewTaskOfKind(Vocab::TabProgram); }
void TMainForm::OffButtonClick() { NewTaskOfKind(Vocab::TabShutdown); }
void TMainForm::TimeButtonClick() { NewTaskOfKind(Vocab::TabCountdown); }
void TMainForm::TodayStringGridDblClick() { ChangeTaskOfKind(Vocab::TabSchedule); }
void TMainForm::ClockStringGridDblClick() { ChangeTaskOfKind(Vocab::TabAlarm); }
void TMainForm::ExeStringGridDblClick() { ChangeTaskOfKind(Vocab::TabProgram); }
void TMainForm::OffStringGridDblClick() { ChangeTaskOfKind(Vocab::TabShutdown); }
void TMainForm::TimeStringGridDblClick() { ChangeTaskOfKind(Vocab::TabCountdown); }
void TMainForm::TodaydelButtonClick() { DeleteTaskOfKind(Vocab::TabSchedule); }
void TMainForm::ClockdelButtonClick() { DeleteTaskOfKind(Vocab::TabAlarm); }
void TMainForm::ExedelButtonClick() { DeleteTaskOfKind(Vocab::TabProgram); }
void TMainForm::OffdelButtonClick() { DeleteTaskOfKind(Vocab::TabShutdown); }
void TMainForm::TimedelButtonClick() { DeleteTaskOfKind(Vocab::TabCountdown); }
void TMainForm::sComboBox1Change() { FilterOfKindChanged(Vocab::TabAlarm); }
void TMainForm::sComboBox2Change() { FilterOfKindChanged(Vocab::TabSchedule); }
void TMainForm::sComboBox3Change() { FilterOfKindChanged(Vocab::TabProgram); }
void TMainForm::sComboBox4Change() { FilterOfKindChanged(Vocab::TabShutdown); }
void TMainForm::sComboBox5Change() { FilterOfKindChanged(Vocab::TabCountdown); }

void TMainForm::OpenButtonClick()
{
    if (m_ctx.ShowNote)
        m_ctx.ShowNote();
}
