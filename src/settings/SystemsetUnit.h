#pragma once
// The system settings dialog "系统设置": start with login, hourly announcement, what
// the close button does. Its choices are set from the flags once, at creation.
#include "settings/SystemSettings.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
struct TAppContext;

class TSystemsetForm : public QDialog {
    Q_OBJECT
public:
    explicit TSystemsetForm(TAppContext &ctx, QWidget *parent = nullptr);

    // The choices the radio buttons show now.
    TSystemChoices choices() const;

    QLabel *sLabel1 = nullptr; // 启动设置
    QLabel *sLabel2 = nullptr; // 报时功能
    QLabel *sLabel3 = nullptr; // 关闭按钮
    QRadioButton *sRadioButton1 = nullptr;
    QRadioButton *sRadioButton2 = nullptr;
    QRadioButton *sRadioButton3 = nullptr;
    QRadioButton *sRadioButton4 = nullptr;
    QRadioButton *sRadioButton5 = nullptr;
    QRadioButton *sRadioButton6 = nullptr;
    QPushButton *Button3 = nullptr; // 恢复默认
    QPushButton *Button1 = nullptr; // 确定
    QPushButton *Button2 = nullptr; // 取消

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    void FormCreate();
    void showChoices(const TSystemChoices &c);

    TAppContext &m_ctx;
};
