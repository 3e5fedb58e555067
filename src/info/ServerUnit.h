#pragma once
// "咨询反馈": the feedback dialog with the support mail address and the feedback page.
#include <QDialog>

struct TAppContext;
class QLabel;
class QPushButton;
class TWebLabel;

class TServerForm : public QDialog {
    Q_OBJECT
public:
    explicit TServerForm(TAppContext &ctx, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    TWebLabel *sWebLabel1 = nullptr;
    QPushButton *Button1 = nullptr;

    void FormShow();
    void sWebLabel1Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    TAppContext &m_ctx;
};
