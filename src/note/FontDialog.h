#pragma once
// The font chooser of the note: face, size and styles, plus the text colour.
#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QCheckBox;
class QComboBox;

class TFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFontDialog(QWidget *parent = nullptr);
    void setCurrentFont(const QFont &f);
    void setColor(const QColor &c);
    QFont currentFont() const;
    QColor color() const;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QFontDialog *m_font = nullptr;
    QComboBox *m_color = nullptr;
    // Many faces here have no bold or italic cut of their own; these ask for the drawn styles.
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
};
