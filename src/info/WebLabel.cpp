#include "info/WebLabel.h"

#include <QMouseEvent>

TWebLabel::TWebLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral("color:#0000ff; text-decoration:underline;"));
}

void TWebLabel::setCaption(const QString &text)
{
    m_caption = text;
    setText(text);
}

void TWebLabel::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}
