#pragma once
// The task editor dialog, one design for all five kinds; the kinds differ only by
// their row of the EditorKinds table. Each dialog is created once and reused.
#include "editors/EditorKinds.h"
#include "editors/TaskEditorLogic.h"
#include "mainwindow/AppContext.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSoundEffect;
class QTimeEdit;

class TTaskEditorForm : public QDialog {
    Q_OBJECT
public:
    TTaskEditorForm(const EditorKind &kind, TAppContext &ctx, QWidget *parent = nullptr);

    const EditorKind &kind() const { return m_kind; }

    // Opener for a new task: clears the title (and content or path), selects 单次, sets
    // today and the current time, sets the new title. 农历, Edit1 and the show mode stay.
    void PrepareNew();
    // Opener for a change: puts the stored task into the controls and sets the change
    // title. Returns false (and changes nothing) when a stored text cannot be read;
    // *error then says why.
    bool PrepareChange(const TaskEditor::TaskRecord &record, QString *error = nullptr);
    void Fill(const TaskEditor::EditorValues &v);

    // What 确定 would save, read from the controls.
    TaskEditor::EditorInput input() const;

    // ---- handlers
    void FormShow();
    void Button1Click(); // 确定
    void Button2Click(); // 取消
    void Button3Click(); // --- (sound)
    void Button4Click(); // 试听, or 选择程序 in the program editor

    // ---- seams; each has a working default
    std::function<QString(QWidget *parent, const QString &filter)> pickFile; // empty: cancelled
    std::function<void(const QString &text)> showMessage;
    std::function<void(const QString &file)> playWave;
    // The reloads after a write: the main window's AddMaingrid (empty: the context's active
    // list) and, for the countdown editor, its resfgriddata(stype, kind).
    std::function<void()> addMaingrid;
    std::function<void(int stype, int kindIndex)> resfgriddata;

    // ---- controls (objectName = member name; absent ones are nullptr)
    QLabel *sLabel1 = nullptr, *sLabel2 = nullptr, *sLabel3 = nullptr, *sLabel4 = nullptr, *sLabel5 = nullptr;
    QLineEdit *sEdit1 = nullptr;
    QDateEdit *AdvDateTimePicker1 = nullptr;
    QTimeEdit *AdvDateTimePicker2 = nullptr;
    QCheckBox *sCheckBox1 = nullptr;
    QButtonGroup *RepeatGroup = nullptr;
    QRadioButton *sRadioButton1 = nullptr, *sRadioButton2 = nullptr, *sRadioButton3 = nullptr,
                 *sRadioButton4 = nullptr, *sRadioButton5 = nullptr, *sRadioButton6 = nullptr;
    QLineEdit *sEdit2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QFrame *sPanel1 = nullptr;
    QButtonGroup *ShowModeGroup = nullptr;
    QRadioButton *sRadioButton7 = nullptr, *sRadioButton8 = nullptr, *sRadioButton9 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    QRadioButton *repeatButton(int code) const;    // 1..6
    QRadioButton *showModeButton(int code) const;  // 1..3

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void build();
    void reloadTab();

    const EditorKind &m_kind;
    TAppContext &m_ctx;
    QSoundEffect *m_wave = nullptr;
};

// The five kinds. Names as the rest of the program knows them.
class TClockForm final : public TTaskEditorForm {
    Q_OBJECT
public:
    explicit TClockForm(TAppContext &ctx, QWidget *parent = nullptr);
};
class TTodaysetForm final : public TTaskEditorForm {
    Q_OBJECT
public:
    explicit TTodaysetForm(TAppContext &ctx, QWidget *parent = nullptr);
};
class TTimeForm final : public TTaskEditorForm {
    Q_OBJECT
public:
    explicit TTimeForm(TAppContext &ctx, QWidget *parent = nullptr);
};
class TExeForm final : public TTaskEditorForm {
    Q_OBJECT
public:
    explicit TExeForm(TAppContext &ctx, QWidget *parent = nullptr);
};
class TOffForm final : public TTaskEditorForm {
    Q_OBJECT
public:
    explicit TOffForm(TAppContext &ctx, QWidget *parent = nullptr);
};

// The editor of a kind index (0 日程 .. 4 计时), created with its own class.
TTaskEditorForm *CreateTaskEditor(int kindIndex, TAppContext &ctx, QWidget *parent);
