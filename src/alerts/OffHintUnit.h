#pragma once
// The shutdown warning: one window for the whole run, counting down a minute
// before it starts the shutdown script.
#include <QDialog>

struct TAppContext;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class WebPanel;

class TOffHintForm : public QDialog {
    Q_OBJECT
public:
    explicit TOffHintForm(TAppContext &ctx, QWidget *parent = nullptr);

    // Counting down (shown, or hidden by the close box while the count goes on).
    bool counting() const;
    int counter() const { return m_counter; }

    QGroupBox *sGroupBox1 = nullptr;
    QLabel *sLabel1 = nullptr;
    QLabel *sLabel2 = nullptr;
    QLabel *sLabel3 = nullptr; // the countdown line
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QFrame *Bevel3 = nullptr;
    QPushButton *Button2 = nullptr; // 马上关机
    QPushButton *Button1 = nullptr; // 取消关机
    QPushButton *Button3 = nullptr; // 延时
    QComboBox *sComboBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QTimer *Timer1 = nullptr;
    QWidget *sPanel1 = nullptr;
    QWidget *web1Panel = nullptr;

signals:
    // The count has stopped, by a button or by running out.
    void countdownEnded();

public slots:
    void Timer1Timer();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void FormShow();
    void FormClose();

    TAppContext &m_ctx;
    WebPanel *m_web = nullptr;
    int m_counter = 61;
};
