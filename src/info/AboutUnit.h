#pragma once
// "关于我们": name, version and the vendor's addresses.
#include <QDialog>

struct TAppContext;
class QLabel;
class TWebLabel;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(TAppContext &ctx, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    TWebLabel *sWebLabel1 = nullptr; // 官方网站
    TWebLabel *sWebLabel2 = nullptr; // 客户服务
    TWebLabel *sWebLabel3 = nullptr; // 商务合作

    void FormShow();
    void sWebLabel1Click();
    void sWebLabel2Click();
    void sWebLabel3Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    TAppContext &m_ctx;
};
