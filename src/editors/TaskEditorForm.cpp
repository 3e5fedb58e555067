#include "editors/TaskEditorForm.h"

#include "alerts/MediaPlayer.h"
#include "data/DataUnit.h"
#include "data/TaskVocabulary.h"
#include "mainwindow/MainConfig.h"
#include "platform/Clock.h"
#include "scheduler/ActiveTaskList.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSoundEffect>
#include <QTimeEdit>
#include <QUrl>

namespace {
template <class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QString text16(const char16_t *s)
{
    return QString::fromUtf16(s);
}

// Rows of the dialog, top to bottom.
constexpr int RowTitle = 12, RowTime = 44, RowRepeat = 76, RowFourth = 108, RowFifth = 140;
constexpr int LabelX = 14, FieldX = 80, FieldRight = 412;
} // namespace

TTaskEditorForm::TTaskEditorForm(const EditorKind &kind, TAppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_kind(kind), m_ctx(ctx)
{
    setObjectName(QString::fromLatin1(kind.objectName));
    setModal(true);
    build();

    pickFile = [](QWidget *parentWidget, const QString &filter) {
        return QFileDialog::getOpenFileName(parentWidget, QString(), QString(), filter);
    };
    showMessage = [this](const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
        box.exec();
    };
    playWave = [this](const QString &file) {
        if (!m_wave)
            m_wave = new QSoundEffect(this);
        m_wave->stop();
        m_wave->setSource(QUrl::fromLocalFile(file));
        m_wave->play(); // nobody waits for it; 取消 does not stop it
    };
}

void TTaskEditorForm::build()
{
    setWindowTitle(text16(m_kind.designTitle));
    setFixedSize(m_kind.clientSize);

    auto label = [this](const char *name, const char16_t *caption, int y) {
        auto *l = named(new QLabel(text16(caption), this), name);
        l->setGeometry(LabelX, y + 3, 62, 18);
        return l;
    };

    // Created in tab order: title, date, time, 农历, recurrence, sound or program row, content, 确定, 取消.
    sLabel1 = label("sLabel1", u"任务标题", RowTitle);
    sEdit1 = named(new QLineEdit(this), "sEdit1");
    sEdit1->setGeometry(FieldX, RowTitle, FieldRight - FieldX, 24);
    sEdit1->setMaxLength(1 << 20);
    sLabel1->setBuddy(sEdit1);

    sLabel2 = label("sLabel2", u"任务时间", RowTime);
    AdvDateTimePicker1 = named(new QDateEdit(this), "AdvDateTimePicker1");
    AdvDateTimePicker1->setDisplayFormat(Vocab::DateFormat);
    AdvDateTimePicker1->setCalendarPopup(true);
    AdvDateTimePicker1->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31)); // any stored date survives a change
    AdvDateTimePicker1->setGeometry(FieldX, RowTime, 120, 24);
    AdvDateTimePicker2 = named(new QTimeEdit(this), "AdvDateTimePicker2");
    AdvDateTimePicker2->setDisplayFormat(Vocab::TimeFormat);
    AdvDateTimePicker2->setGeometry(FieldX + 128, RowTime, 96, 24);
    sCheckBox1 = named(new QCheckBox(QStringLiteral("农历"), this), "sCheckBox1");
    sCheckBox1->setGeometry(FieldX + 236, RowTime + 2, 70, 20);

    sLabel3 = label("sLabel3", u"循环方式", RowRepeat);
    RepeatGroup = named(new QButtonGroup(this), "RepeatGroup");
    QRadioButton **repeat[] = {&sRadioButton1, &sRadioButton2, &sRadioButton3,
                               &sRadioButton4, &sRadioButton5, &sRadioButton6};
    const char16_t *repeatCaption[] = {u"单次", u"每小时", u"每天", u"每周", u"每月", u"每年"};
    int x = FieldX;
    for (int code = 1; code <= 6; ++code) {
        auto *b = new QRadioButton(text16(repeatCaption[code - 1]), this);
        b->setObjectName(QStringLiteral("sRadioButton%1").arg(code));
        RepeatGroup->addButton(b, code);
        *repeat[code - 1] = b;
        const int w = code == 2 ? 62 : 52;
        b->setGeometry(x, RowRepeat + 2, w, 20);
        if (m_kind.offersRepeat(code))
            x += w + 2;
        else
            b->hide();
    }
    sRadioButton1->setChecked(true);

    if (m_kind.hasSoundRow()) {
        sLabel4 = label("sLabel4", u"提醒声音", RowFourth);
        sEdit2 = named(new QLineEdit(this), "sEdit2");
        sEdit2->setEnabled(false);
        sEdit2->setGeometry(FieldX, RowFourth, 246, 24);
        Button3 = named(new QPushButton(QStringLiteral("---"), this), "Button3");
        Button3->setGeometry(FieldX + 250, RowFourth, 36, 24);
        Button4 = named(new QPushButton(QStringLiteral("试听"), this), "Button4");
        Button4->setGeometry(FieldX + 290, RowFourth, FieldRight - FieldX - 290, 24);
        connect(Button3, &QPushButton::clicked, this, &TTaskEditorForm::Button3Click);
        connect(Button4, &QPushButton::clicked, this, &TTaskEditorForm::Button4Click);
    } else if (m_kind.content == EditorContentRow::ProgramPath) {
        sLabel4 = label("sLabel4", u"运行程序", RowFourth);
        sEdit2 = named(new QLineEdit(this), "sEdit2");
        sEdit2->setEnabled(false);
        sEdit2->setGeometry(FieldX, RowFourth, 246, 24);
        Button4 = named(new QPushButton(QStringLiteral("选择程序"), this), "Button4");
        Button4->setGeometry(FieldX + 250, RowFourth, FieldRight - FieldX - 250, 24);
        connect(Button4, &QPushButton::clicked, this, &TTaskEditorForm::Button4Click);

        sLabel5 = label("sLabel5", u"运行方式", RowFifth);
        sPanel1 = named(new QFrame(this), "sPanel1");
        sPanel1->setFrameShape(QFrame::StyledPanel);
        sPanel1->setGeometry(FieldX, RowFifth - 2, FieldRight - FieldX, 28);
        ShowModeGroup = named(new QButtonGroup(sPanel1), "ShowModeGroup");
        QRadioButton **mode[] = {&sRadioButton7, &sRadioButton8, &sRadioButton9};
        const char16_t *modeCaption[] = {u"常规", u"最小化", u"最大化"};
        for (int code = 1; code <= 3; ++code) {
            auto *b = new QRadioButton(text16(modeCaption[code - 1]), sPanel1);
            b->setObjectName(QStringLiteral("sRadioButton%1").arg(code + 6));
            b->setGeometry(8 + (code - 1) * 80, 4, 76, 20);
            ShowModeGroup->addButton(b, code);
            *mode[code - 1] = b;
        }
        sRadioButton7->setChecked(true);
    }

    if (m_kind.content == EditorContentRow::Memo) {
        sLabel5 = label("sLabel5", u"任务内容", RowFifth);
        Memo1 = named(new QPlainTextEdit(this), "Memo1");
        Memo1->setTabChangesFocus(true); // Tab moves on; Enter is a line break here
        Memo1->setGeometry(FieldX, RowFifth, FieldRight - FieldX, m_kind.clientSize.height() - 46 - RowFifth);
    }

    Edit1 = named(new QLineEdit(QStringLiteral("0"), this), "Edit1");
    Edit1->hide();

    const int buttonsY = m_kind.clientSize.height() - 36;
    Button1 = named(new QPushButton(QStringLiteral("确定"), this), "Button1");
    Button1->setGeometry(FieldRight - 170, buttonsY, 80, 26);
    Button1->setDefault(true);
    Button2 = named(new QPushButton(QStringLiteral("取消"), this), "Button2");
    Button2->setGeometry(FieldRight - 80, buttonsY, 80, 26);
    connect(Button1, &QPushButton::clicked, this, &TTaskEditorForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTaskEditorForm::Button2Click);
    // Ctrl+Enter saves from anywhere, the content box (where Enter is a line break) included.
    if (Memo1)
        Memo1->installEventFilter(this);
}

QRadioButton *TTaskEditorForm::repeatButton(int code) const
{
    return qobject_cast<QRadioButton *>(RepeatGroup->button(code));
}

QRadioButton *TTaskEditorForm::showModeButton(int code) const
{
    return ShowModeGroup ? qobject_cast<QRadioButton *>(ShowModeGroup->button(code)) : nullptr;
}

void TTaskEditorForm::PrepareNew()
{
    sEdit1->clear();
    if (Memo1)
        Memo1->clear();
    if (m_kind.content == EditorContentRow::ProgramPath)
        sEdit2->clear();
    sRadioButton1->setChecked(true);
    const QDateTime now = m_ctx.clock ? m_ctx.clock->now() : QDateTime::currentDateTime();
    AdvDateTimePicker1->setDate(now.date());
    const QTime t = now.time();
    AdvDateTimePicker2->setTime(QTime(t.hour(), t.minute(), t.second()));
    setWindowTitle(m_kind.newCaption());
}

bool TTaskEditorForm::PrepareChange(const TaskEditor::TaskRecord &record, QString *error)
{
    const TaskEditor::LoadResult r = TaskEditor::ReadRecord(record);
    if (!r.values) {
        if (error)
            *error = r.error;
        return false;
    }
    Fill(*r.values);
    setWindowTitle(m_kind.changeCaption());
    return true;
}

void TTaskEditorForm::Fill(const TaskEditor::EditorValues &v)
{
    Edit1->setText(v.id);
    sEdit1->setText(v.title);
    sCheckBox1->setChecked(v.lunar);
    if (QRadioButton *b = v.repeat ? repeatButton(v.repeat) : nullptr)
        b->setChecked(true);
    if (QRadioButton *b = v.showMode ? showModeButton(v.showMode) : nullptr)
        b->setChecked(true);
    if (m_kind.content == EditorContentRow::Memo)
        Memo1->setPlainText(v.memo);
    else if (m_kind.content == EditorContentRow::ProgramPath)
        sEdit2->setText(v.memo);
    AdvDateTimePicker1->setDate(v.date);
    AdvDateTimePicker2->setTime(v.time);
}

TaskEditor::EditorInput TTaskEditorForm::input() const
{
    TaskEditor::EditorInput in;
    in.windowTitle = windowTitle();
    in.id = Edit1->text();
    in.title = sEdit1->text();
    if (m_kind.content == EditorContentRow::Memo)
        in.content = Memo1->toPlainText();
    else if (m_kind.content == EditorContentRow::ProgramPath)
        in.content = sEdit2->text();
    in.date = AdvDateTimePicker1->date();
    const QTime t = AdvDateTimePicker2->time();
    in.time = QTime(t.hour(), t.minute(), t.second());
    in.lunar = sCheckBox1->isChecked();
    in.repeat = RepeatGroup->checkedId();
    if (ShowModeGroup)
        in.showMode = ShowModeGroup->checkedId();
    return in;
}

void TTaskEditorForm::FormShow()
{
    if (!m_kind.hasSoundRow())
        return;
    QString file = ReadMainConfig(m_ctx.vars.ProgramDir, QStringLiteral("Music"), QStringLiteral("ClockMusic"), {});
    if (file.isEmpty())
        file = m_ctx.vars.ProgramDir + QStringLiteral("Music/defult.wav");
    sEdit2->setText(file);
}

void TTaskEditorForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
    if (QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr) {
        QRect r = frameGeometry();
        r.moveCenter(owner->frameGeometry().center());
        move(r.topLeft());
    }
    sEdit1->setFocus(Qt::OtherFocusReason);
    sEdit1->selectAll();
}

static bool isCtrlEnter(const QKeyEvent *e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        && (e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool TTaskEditorForm::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == Memo1 && e->type() == QEvent::KeyPress && isCtrlEnter(static_cast<QKeyEvent *>(e))) {
        Button1Click();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TTaskEditorForm::keyPressEvent(QKeyEvent *e)
{
    if (isCtrlEnter(e)) {
        Button1Click();
        return;
    }
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TTaskEditorForm::reloadTab()
{
    TRowSet *rs = m_ctx.data->rowSetForKind(m_kind.kindIndex);
    if (m_kind.tabReload == EditorTabReload::ListActive && resfgriddata) {
        resfgriddata(0, m_kind.kindIndex);
        return;
    }
    if (!rs)
        return;
    if (m_kind.tabReload == EditorTabReload::ListActive || rs->SQL().isEmpty()) {
        rs->Close();
        rs->SetSQL(Statements::TabList(0, m_kind.kindIndex));
        rs->Open();
        return;
    }
    rs->Reopen();
}

void TTaskEditorForm::Button1Click()
{
    TaskEditor::SaveHooks hooks;
    hooks.AddMaingrid = [this] {
        if (addMaingrid)
            addMaingrid();
        else if (m_ctx.activeList)
            m_ctx.activeList->AddMaingrid(*m_ctx.data);
    };
    hooks.ReloadTab = [this] { reloadTab(); };
    const QDateTime now = m_ctx.clock ? m_ctx.clock->now() : QDateTime::currentDateTime();
    const TaskEditor::SaveResult r = TaskEditor::Save(*m_ctx.data, m_kind, input(), now, hooks);
    if (r.saved()) {
        accept();
        return;
    }
    if (r.focusTitle)
        sEdit1->setFocus(Qt::OtherFocusReason);
    if (showMessage)
        showMessage(r.message);
}

void TTaskEditorForm::Button2Click()
{
    if (m_kind.hasSoundRow() && m_ctx.MediaPlayer1)
        m_ctx.MediaPlayer1->Close(); // stops a preview; the schedule editor's wave plays on
    reject();
}

void TTaskEditorForm::Button3Click()
{
    if (!m_kind.hasSoundRow() || !pickFile)
        return;
    const QString file = pickFile(this, m_kind.fileFilter ? text16(m_kind.fileFilter) : QString());
    if (file.isEmpty())
        return;
    sEdit2->setText(file);
    WriteMainConfig(m_ctx.vars.ProgramDir, QStringLiteral("Music"), QStringLiteral("ClockMusic"), file);
    if (m_kind.sound == EditorSoundRow::MediaPlayer)
        m_ctx.vars.ClockMusicFile = file; // the next reminder plays it
}

void TTaskEditorForm::Button4Click()
{
    if (m_kind.content == EditorContentRow::ProgramPath) {
        if (!pickFile)
            return;
        const QString file = pickFile(this, m_kind.fileFilter ? text16(m_kind.fileFilter) : QString());
        if (!file.isEmpty())
            sEdit2->setText(file);
        return;
    }
    const QString file = sEdit2->text();
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    if (m_kind.sound == EditorSoundRow::Wave) {
        if (playWave)
            playWave(file);
        return;
    }
    if (IMediaPlayer *p = m_ctx.MediaPlayer1) {
        p->Close();
        p->setFileName(file);
        p->Open();
        p->Play();
    }
}

#define CORVINA_EDITOR(Class, index)                                                                            \
    Class::Class(TAppContext &ctx, QWidget *parent) : TTaskEditorForm(*EditorKinds::forIndex(index), ctx, parent) {}
CORVINA_EDITOR(TClockForm, Vocab::TabAlarm)
CORVINA_EDITOR(TTodaysetForm, Vocab::TabSchedule)
CORVINA_EDITOR(TTimeForm, Vocab::TabCountdown)
CORVINA_EDITOR(TExeForm, Vocab::TabProgram)
CORVINA_EDITOR(TOffForm, Vocab::TabShutdown)
#undef CORVINA_EDITOR

TTaskEditorForm *CreateTaskEditor(int kindIndex, TAppContext &ctx, QWidget *parent)
{
    switch (kindIndex) {
    case Vocab::TabSchedule: return new TTodaysetForm(ctx, parent);
    case Vocab::TabAlarm: return new TClockForm(ctx, parent);
    case Vocab::TabProgram: return new TExeForm(ctx, parent);
    case Vocab::TabShutdown: return new TOffForm(ctx, parent);
    case Vocab::TabCountdown: return new TTimeForm(ctx, parent);
    default: return nullptr;
    }
}
