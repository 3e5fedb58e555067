#include "note/FontDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Named {
    const char16_t *name;
    QRgb rgb;
};
const Named kColours[] = {
    {u"黑色", 0x000000}, {u"褐红色", 0x800000}, {u"绿色", 0x008000}, {u"橄榄色", 0x808000},
    {u"深蓝色", 0x000080}, {u"紫色", 0x800080}, {u"深青色", 0x008080}, {u"灰色", 0x808080},
    {u"银色", 0xC0C0C0}, {u"红色", 0xFF0000}, {u"酸橙色", 0x00FF00}, {u"黄色", 0xFFFF00},
    {u"蓝色", 0x0000FF}, {u"紫红色", 0xFF00FF}, {u"浅绿色", 0x00FFFF}, {u"白色", 0xFFFFFF},
};
// The chooser's own captions, which no translation turns into Chinese here.
void ChineseCaptions(QWidget *chooser)
{
    static const struct {
        const char *english; // without the mnemonic
        const char16_t *chinese;
    } kCaptions[] = {
        {"Font", u"字体(&F)"},      {"Font style", u"字形(&Y)"},     {"Size", u"大小(&S)"},
        {"Effects", u"效果"},       {"Strikeout", u"删除线(&K)"},    {"Underline", u"下划线(&U)"},
        {"Writing System", u"书写系统(&I)"}, {"Sample", u"示例"},     {"Any", u"全部"},
    };
    auto chinese = [](QString text) -> QString {
        text.remove(QLatin1Char('&'));
        for (const auto &c : kCaptions)
            if (text == QLatin1String(c.english))
                return QString::fromUtf16(c.chinese);
        return {};
    };
    for (QLabel *l : chooser->findChildren<QLabel *>())
        if (const QString t = chinese(l->text()); !t.isEmpty())
            l->setText(t);
    for (QAbstractButton *b : chooser->findChildren<QAbstractButton *>())
        if (const QString t = chinese(b->text()); !t.isEmpty())
            b->setText(t);
    for (QGroupBox *g : chooser->findChildren<QGroupBox *>())
        if (const QString t = chinese(g->title()); !t.isEmpty()) {
            // the sample shows how the face draws Chinese, too
            if (g->title() == QLatin1String("Sample"))
                if (auto *sample = g->findChild<QLineEdit *>())
                    sample->setText(QStringLiteral("AaBbYyZz 青雀日程"));
            g->setTitle(t);
        }
    for (QComboBox *c : chooser->findChildren<QComboBox *>())
        if (c->count() > 0)
            if (const QString t = chinese(c->itemText(0)); !t.isEmpty())
                c->setItemText(0, t);
}

QIcon swatch(const QColor &c)
{
    QPixmap pm(16, 12);
    pm.fill(c);
    return QIcon(pm);
}
} // namespace

TFontDialog::TFontDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("字体"));
    m_font = new QFontDialog(this);
    m_font->setWindowFlags(Qt::Widget);
    m_font->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_font->setSizeGripEnabled(false); // a grip in the middle of this dialog
    ChineseCaptions(m_font);
    m_font->installEventFilter(this);
    // Enter in its lists closes the chooser alone: that is this dialog's 确定.
    connect(m_font, &QDialog::finished, this, [this](int r) {
        m_font->show();
        done(r);
    });
    m_color = new QComboBox(this);
    m_color->setObjectName(QStringLiteral("FontColor"));
    for (const Named &n : kColours)
        m_color->addItem(swatch(QColor(n.rgb)), QString::fromUtf16(n.name), QColor(n.rgb));
    m_color->addItem(QStringLiteral("自定义..."));
    connect(m_color, &QComboBox::activated, this, [this](int i) {
        if (i != m_color->count() - 1)
            return;
        const QColor c = QColorDialog::getColor(color(), this, QStringLiteral("颜色"));
        setColor(c.isValid() ? c : QColor(Qt::black));
    });
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_bold = new QCheckBox(QStringLiteral("粗体"), this);
    m_bold->setObjectName(QStringLiteral("FontBold"));
    m_italic = new QCheckBox(QStringLiteral("斜体"), this);
    m_italic->setObjectName(QStringLiteral("FontItalic"));
    connect(m_font, &QFontDialog::currentFontChanged, this, [this](const QFont &f) {
        m_bold->setChecked(f.bold());
        m_italic->setChecked(f.italic());
    });

    auto *row = new QHBoxLayout;
    row->addWidget(m_bold);
    row->addWidget(m_italic);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("颜色："), this));
    row->addWidget(m_color, 1);
    row->addStretch(1);
    auto *v = new QVBoxLayout(this);
    v->addWidget(m_font);
    v->addLayout(row);
    v->addWidget(buttons);
}

bool TFontDialog::eventFilter(QObject *o, QEvent *e)
{
    // The embedded chooser is a dialog itself: left alone, Esc would hide just it and
    // Enter would find no button. Both belong to this dialog's 确定 and 取消.
    if (o == m_font && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->matches(QKeySequence::Cancel) || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            keyPressEvent(k);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFontDialog::setCurrentFont(const QFont &f)
{
    m_font->setCurrentFont(f);
    m_bold->setChecked(f.bold());
    m_italic->setChecked(f.italic());
}

QFont TFontDialog::currentFont() const
{
    QFont f = m_font->currentFont();
    f.setBold(m_bold->isChecked());
    f.setItalic(m_italic->isChecked());
    return f;
}

void TFontDialog::setColor(const QColor &c)
{
    for (int i = 0; i < m_color->count() - 1; ++i)
        if (m_color->itemData(i).value<QColor>() == c) {
            m_color->setCurrentIndex(i);
            return;
        }
    // A colour outside the list gets its own entry before "自定义...".
    const int at = m_color->count() - 1;
    m_color->insertItem(at, swatch(c), c.name(), c);
    m_color->setCurrentIndex(at);
}

QColor TFontDialog::color() const
{
    const QVariant v = m_color->currentData();
    return v.isValid() ? v.value<QColor>() : QColor(Qt::black);
}
