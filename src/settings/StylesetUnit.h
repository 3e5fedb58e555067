#pragma once
// "个性皮肤": six skins, each with a preview drawn by the skin itself.
#include "mainwindow/AppContext.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class TSkinManager;

struct SkinChoice {
    const char *button;
    const char16_t *caption;
    const char *name; // what is stored and handed to the skin manager
};
inline constexpr SkinChoice SkinChoices[6] = {
    {"sRadioButton1", u"天空", "air"},        {"sRadioButton2", u"北京", "beijing"},
    {"sRadioButton3", u"海水", "UnderWater"}, {"sRadioButton4", u"Vista", "Vista"},
    {"sRadioButton5", u"丝带", "WLM"},        {"sRadioButton6", u"黑亮", "WMP11"},
};

class TStylesetForm : public QDialog {
    Q_OBJECT
public:
    TStylesetForm(TAppContext &ctx, TSkinManager &skins, QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
    // The name of the selected button, empty when none is selected.
    QString selectedSkinName() const;

    QRadioButton *radio[6] = {};
    QLabel *preview[6] = {};
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    // A 173 x 81 picture of a small window wearing the skin.
    static QPixmap RenderPreview(const QString &styleSheet);

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void FormShow();
    TAppContext &m_ctx;
    TSkinManager &m_skins;
};
