#include "info/ServerUnit.h"

#include "info/WebLabel.h"
#include "mainwindow/AppContext.h"
#include "platform/Shell.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

TServerForm::TServerForm(TAppContext &ctx, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("ServerForm"));
    setWindowTitle(QStringLiteral("咨询反馈"));
    setFixedSize(340, 185);

    const QStringList lines = {
        QStringLiteral("您的意见和建议，是软件前进的动力！"),
        QString(),
        QStringLiteral("欢迎您提出宝贵意见和建议！"),
        QString(),
        QStringLiteral("您留下的每个字都将被用来改善我们的服务。"),
        QString(),
        QStringLiteral("您也可以与我们的客服邮箱联系："),
    };
    Label1 = new QLabel(lines.join(QLatin1Char('\n')), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    const int lineHeight = QFontMetrics(Label1->font()).lineSpacing();
    Label1->setGeometry(16, 12, 308, lineHeight * int(lines.size()) + 2);

    // The mail link follows the last line of the text.
    sWebLabel1 = new TWebLabel(this);
    sWebLabel1->setObjectName(QStringLiteral("sWebLabel1"));
    sWebLabel1->setGeometry(16, Label1->y() + lineHeight * int(lines.size()), 308, lineHeight + 2);
    connect(sWebLabel1, &TWebLabel::clicked, this, &TServerForm::sWebLabel1Click);

    Button1 = new QPushButton(QStringLiteral("在线咨询反馈"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(120, 150, 100, 25);
    connect(Button1, &QPushButton::clicked, this, &TServerForm::Button1Click);
}

void TServerForm::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TServerForm::FormShow()
{
    sWebLabel1->setCaption(m_ctx.vars.SupportMail);
}

void TServerForm::sWebLabel1Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenMailAddress(sWebLabel1->caption());
}

void TServerForm::Button1Click()
{
    if (m_ctx.shell)
        m_ctx.shell->OpenWebAddress(m_ctx.vars.FeedbackPageUrl);
}
