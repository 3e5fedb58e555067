#include "info/MessageSeam.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {
// Texts keep the Windows line break "\r\n"; a label wants "\n" alone.
QString ForLabel(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

TMessageSeam MessageBoxSeam()
{
    TMessageSeam s;
    s.Inform = [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::NoIcon, title, ForLabel(text), QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.exec();
    };
    s.Ask = [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Question, title, ForLabel(text), QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否"));
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
    return s;
}
