#pragma once
// A link-looking label: blue, underlined, a hand cursor; a click reports its text.
#include <QLabel>

class TWebLabel : public QLabel {
    Q_OBJECT
public:
    explicit TWebLabel(QWidget *parent = nullptr);
    void setCaption(const QString &text);
    QString caption() const { return m_caption; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QString m_caption;
};
