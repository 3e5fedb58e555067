#include "info/AboutUnit.h"

#include "info/WebLabel.h"
#include "mainwindow/AppContext.h"
#include "platform/Shell.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

TAboutForm::TAboutForm(TAppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于我们"));
    setFixedSize(240, 219);

    // The version here is the product's printed one, not the file's.
    const QStringList lines = {
        QStringLiteral("软件名称：青雀日程助手"),
        QString(),
        QStringLiteral("产品版本：3.25版"),
        QString(),
        QString(),
        QString(),
        QStringLiteral("官方网站："),
        QString(),
        QStringLiteral("客户服务："),
        QString(),
        QStringLiteral("商务合作："),
    };
    Label1 = new QLabel(lines.join(QLatin1Char('\n')), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    const QFontMetrics fm(Label1->font());
    const int lineHeight = fm.lineSpacing();
    // the last line's descent lies below its line spacing
    Label1->setGeometry(16, 16, 208, qMax(lineHeight * int(lines.size()) + 2, Label1->sizeHint().height()));

    // Each link sits beside its line, right after the caption.
    const int linkX = Label1->x() + fm.horizontalAdvance(QStringLiteral("官方网站：")) + 2;
    auto link = [&](const char *name, int line) {
        auto *l = new TWebLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(linkX, Label1->y() + lineHeight * line, width() - linkX - 4, lineHeight + 2);
        return l;
    };
    sWebLabel1 = link("sWebLabel1", 6);
    sWebLabel2 = link("sWebLabel2", 8);
    sWebLabel3 = link("sWebLabel3", 10);
    connect(sWebLabel1, &TWebLabel::clicked, this, &TAboutForm::sWebLabel1Click);
    connect(sWebLabel2, &TWebLabel::clicked, this, &TAboutForm::sWebLabel2Click);
    connect(sWebLabel3, &TWebLabel::clicked, this, &TAboutForm::sWebLabel3Click);
}

void TAboutForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TAboutForm::FormShow()
{
    sWebLabel1->setCaption(m_ctx.vars.HomePageUrl);
    sWebLabel2->setCaption(m_ctx.vars.SupportMail);
    sWebLabel3->setCaption(m_ctx.vars.SecondMail);
}

void TAboutForm::sWebLabel1Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.HomePageUrl);
}

void TAboutForm::sWebLabel2Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenMailAddress(sWebLabel2->caption());
}

void TAboutForm::sWebLabel3Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenMailAddress(sWebLabel3->caption());
}
