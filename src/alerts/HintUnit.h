#pragma once
// The reminder window: one per alarm, schedule entry or countdown that falls due.
#include <QDialog>

struct TAppContext;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class THintForm : public QDialog {
    Q_OBJECT
public:
    explicit THintForm(TAppContext &ctx, QWidget *parent = nullptr);

    QGroupBox *sGroupBox1 = nullptr;
    QLabel *sLabel1 = nullptr; // heading
    QLabel *sLabel2 = nullptr; // calendar word + " " + due-time text
    QLabel *sLabel3 = nullptr; // content
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QFrame *Bevel3 = nullptr;
    QPushButton *Button1 = nullptr; // 完成
    QPushButton *Button2 = nullptr; // 修改
    QPushButton *Button3 = nullptr; // 延时
    QComboBox *sComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr; // id, never shown
    QLineEdit *Edit2 = nullptr; // recurrence code, never shown
    QWidget *sPanel1 = nullptr;
    QWidget *web1Panel = nullptr; // the web strip's place

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    TAppContext &m_ctx;
};

// Builds the fixed parts both alert windows share (caption, size, the three lines and rules).
namespace AlertLayout {
QLabel *line(QWidget *parent, const char *name, int y, int height);
QFrame *rule(QWidget *parent, const char *name, int y);
QComboBox *delayBox(QWidget *parent, int x, int y);
QLineEdit *hiddenEdit(QWidget *parent, const char *name);
QPushButton *button(QWidget *parent, const char *name, const char16_t *text, int x, int y);
QWidget *webStrip(QWidget *dialog, int y, QWidget **web1Panel);
} // namespace AlertLayout
