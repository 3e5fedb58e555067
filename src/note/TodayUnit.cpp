#include "note/TodayUnit.h"

#include "webpanels/WebPanel.h"
#include "webpanels/WebPanelWidgets.h"
#include "webpanels/WindowPanels.h"
#include "note/FontDialog.h"
#include "note/TodayNote.h"
#include "platform/NoteWindow.h"
#include "settings/FontConfig.h"

#include <QAbstractTextDocumentLayout>
#include <QActionGroup>
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>

namespace {
template <class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
const QString kToday = QStringLiteral("Today");

// Windows system colour numbers (top byte set) mapped to this platform's palette.
QColor colorFromNumber(qint64 n)
{
    if (n >= 0)
        return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
    const QPalette pal = QApplication::palette();
    switch (int(n & 0xFF)) {
    case 5: return pal.color(QPalette::Base);
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: return pal.color(QPalette::ButtonText);
    default: return pal.color(QPalette::WindowText);
    }
}
} // namespace

TAdvSmoothPanel::TAdvSmoothPanel(QWidget *parent) : QWidget(parent) {}

void TAdvSmoothPanel::mousePressEvent(QMouseEvent *e)
{
    e->accept();
}

void TAdvSmoothPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(233, 241, 250, 222));
    g.setColorAt(0.5, QColor(199, 216, 237, 227));
    g.setColorAt(1.0, QColor(231, 242, 255, 232));
    QPainterPath path;
    path.addRoundedRect(r, 10, 10);
    p.fillPath(path, g);
    p.setPen(QPen(QColor(141, 178, 227), 1));
    p.drawPath(path);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(21, 66, 139));
    p.drawText(QRect(4, 1, width() - 8, 19), Qt::AlignLeft | Qt::AlignVCenter, Caption);
}

TTodayForm::TTodayForm(TAppContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("TodayForm"));
    setWindowTitle(QStringLiteral("今日桌面"));
    NoteWindow::Prepare(this);
    buildParts();
    buildMenu();
    const NoteHeights h = ::FitNoteHeight(DesignNoteLines().size(), 12);
    setFormHeight(h.form);
    move(760, 0); // every start; the place is never stored
    m_formColor = palette().color(QPalette::Button);
    if (m_ctx.WebPanelsOn) // navigated once, when the note is made
        InstallNoteWebPanels(web1Panel, web2Panel, m_ctx)->NavigateAll();
}

TTodayForm::~TTodayForm() = default;

void TTodayForm::buildParts()
{
    Panel2 = named(new QWidget(this), "Panel2");
    Panel2->setGeometry(122, 37, 360, 30);
    web2Panel = named(new QWidget(Panel2), "web2Panel");
    web2Panel->setGeometry(0, 0, 360, 30);

    AdvSmoothPanel1 = named(new TAdvSmoothPanel(this), "AdvSmoothPanel1");
    AdvSmoothPanel1->Caption = QStringLiteral("    今日日程");
    AdvSmoothPanel1->setGeometry(121, 82, 361, 54);

    Memo1 = named(new QPlainTextEdit(AdvSmoothPanel1), "Memo1");
    Memo1->setGeometry(9, 20, 342, 24);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->document()->setDocumentMargin(2);
    Memo1->setToolTip(QStringLiteral("直接在这里编辑记事"));
    QFont f(QStringLiteral("黑体"));
    f.setPointSize(12);
    Memo1->setFont(f);
    Memo1->setPlainText(DesignNoteLines().join(QLatin1Char('\n')));
    Memo1->installEventFilter(this);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    updateMemoStyle();

    Panel3 = named(new QWidget(this), "Panel3");
    sPanel1 = named(new QWidget(Panel3), "sPanel1");
    sPanel1->setGeometry(16, 0, 466, 59);
    web1Panel = named(new QWidget(sPanel1), "web1Panel");
    web1Panel->setGeometry(0, 0, 466, 59);

    webTimer = named(new QTimer(this), "webTimer");
    webTimer->setInterval(3600000);

    SaveTimer = named(new QTimer(this), "SaveTimer");
    SaveTimer->setSingleShot(true);
    SaveTimer->setInterval(2000);
    connect(SaveTimer, &QTimer::timeout, this, [this] { SaveNote(); });
    connect(Memo1, &QPlainTextEdit::textChanged, SaveTimer, qOverload<>(&QTimer::start));
}

void TTodayForm::buildMenu()
{
    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    // Office 2003 blue: a white-to-blue gutter, orange highlight with a navy border.
    PopupMenu1->setStyleSheet(QStringLiteral(
        "QMenu{background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 #e3efff,stop:0.09 #9ebff6,stop:0.091 #f6f6f6,"
        "stop:1 #f6f6f6);border:1px solid #002d96;color:#000;padding:2px;}"
        "QMenu::item{padding:4px 24px 4px 30px;border:1px solid transparent;}"
        "QMenu::item:selected{background:#ffeec2;border:1px solid #000080;}"
        "QMenu::separator{height:1px;background:#6a8ccb;margin:3px 4px 3px 30px;}"
        "QMenu::item:selected{color:#000;}"
        "QMenu::indicator{width:13px;height:13px;left:6px;}"
        "QMenu::indicator:checked{border:1px solid #000080;border-radius:2px;background:qradialgradient(cx:0.5,"
        "cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0 #000080,stop:0.32 #000080,stop:0.42 #ffc080,stop:1 #ffd8a8);}"));
    auto cmd = [this](QMenu *m, const char *name, const QString &text) {
        QAction *a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto sub = [this](const char *name, const QString &text) {
        QMenu *m = named(new QMenu(text, PopupMenu1), name);
        m->setStyleSheet(PopupMenu1->styleSheet());
        PopupMenu1->addMenu(m);
        return m;
    };
    auto radio = [&](QMenu *m, QActionGroup *g, const char *name, const QString &text) {
        QAction *a = cmd(m, name, text);
        a->setCheckable(true);
        g->addAction(a);
        return a;
    };

    N1 = cmd(PopupMenu1, "N1", QStringLiteral("文字设置"));
    connect(N1, &QAction::triggered, this, &TTodayForm::N1Click);
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N19"));

    post1 = sub("post1", QStringLiteral("显示模式"));
    auto *modes = new QActionGroup(this);
    N3 = radio(post1, modes, "N3", QStringLiteral("透明"));
    N5 = radio(post1, modes, "N5", QStringLiteral("不透明"));
    connect(N3, &QAction::triggered, this, &TTodayForm::N3Click);
    connect(N5, &QAction::triggered, this, &TTodayForm::N5Click);

    N6 = sub("N6", QStringLiteral("背景颜色"));
    auto *colours = new QActionGroup(this);
    for (int i = 0; i < 7; ++i) {
        colourItems[i] = radio(N6, colours, NoteColours[i].item, QString::fromUtf16(NoteColours[i].caption));
        connect(colourItems[i], &QAction::triggered, this, [this, i] { colourClick(i + 1); });
    }

    N14 = sub("N14", QStringLiteral("皮肤选择"));
    auto *skins = new QActionGroup(this);
    for (int i = 0; i < 5; ++i) {
        skinItems[i] = radio(N14, skins, NoteSkins[i].item, QString::fromUtf16(NoteSkins[i].caption));
        connect(skinItems[i], &QAction::triggered, this, [this, i] { skinClick(i + 1); });
    }
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N4"));
    N2 = cmd(PopupMenu1, "N2", QStringLiteral("关闭显示"));
    connect(N2, &QAction::triggered, this, &TTodayForm::N2Click);

    N3->setChecked(true);
    colourItems[0]->setChecked(true);
    skinItems[0]->setChecked(true);

    setContextMenuPolicy(Qt::CustomContextMenu);
    auto popup = [this](QWidget *w) {
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint &pos) { PopupMenu1->popup(w->mapToGlobal(pos)); });
    };
    popup(this);
    popup(Memo1);
}

void TTodayForm::updateMemoStyle()
{
    // The note keeps its own face whatever skin the program wears.
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit#Memo1{background:rgb(166,202,240);border:none;color:%1;"
                                        "selection-background-color:#3168c6;selection-color:#fff;}")
                             .arg(m_textColor.name()));
}

int TTodayForm::displayLineCount() const
{
    // Laid out here the way the box lays out its text, so the count does not wait for painting.
    const QTextDocument *doc = Memo1->document();
    const qreal width = Memo1->viewport()->width() - 2 * doc->documentMargin();
    QTextOption opt = doc->defaultTextOption();
    opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int n = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        QTextLayout layout(b.text(), Memo1->font());
        layout.setTextOption(opt);
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
        n += qMax(1, lines);
    }
    if (doc->lastBlock().text().isEmpty())
        --n; // an empty last line is not counted
    return qMax(0, n);
}

void TTodayForm::FitNoteHeight()
{
    const NoteHeights h = ::FitNoteHeight(displayLineCount(), Memo1->font().pointSize());
    Memo1->resize(342, h.memo);
    AdvSmoothPanel1->resize(361, h.panel);
    setFormHeight(h.form);
}

void TTodayForm::setFormHeight(int h)
{
    // Hidden windows get their resize event late; the bottom strip follows at once.
    resize(500, h);
    layoutBottom();
    updateMask();
}

void TTodayForm::setFormColor(const QColor &c)
{
    m_formColor = c;
    update();
}

void TTodayForm::setPicture(int number)
{
    m_pictureFile = m_ctx.vars.ProgramDir + QString::fromLatin1(NoteSkins[number - 1].file);
    m_picture = QPixmap(m_pictureFile); // a missing picture shows none
    skinItems[number - 1]->setChecked(true);
    updateMask();
    update();
}

void TTodayForm::ShowNote()
{
    show();
    raise();
}

void TTodayForm::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TTodayForm::FormShow()
{
    const QString &dir = m_ctx.vars.ProgramDir;
    const int skin = NoteSettingNumber(ReadMainConfig(dir, kToday, QStringLiteral("skin"), QStringLiteral("1")));
    const int type = NoteSettingNumber(ReadMainConfig(dir, kToday, QStringLiteral("formtype"), QStringLiteral("1")));
    const int colour = NoteSettingNumber(ReadMainConfig(dir, kToday, QStringLiteral("formcolor"), QStringLiteral("1")));
    NoteColor = colour;
    if (skin >= 1 && skin <= 5)
        setPicture(skin);
    if (colour >= 1 && colour <= 7) {
        const NoteColour &c = NoteColours[colour - 1];
        setFormColor(QColor(c.r, c.g, c.b));
        colourItems[colour - 1]->setChecked(true);
    }
    if (type == 1) {
        N3->setChecked(true);
        m_seeThrough = true;
    } else if (type == 2) {
        N5->setChecked(true);
        m_seeThrough = false;
    }
    NoteWindow::AttachToDesktop(this);

    const TodayText today = ReadTodayText(dir);
    if (today.found) {
        Memo1->setPlainText(today.text);
        m_encoding = today.encoding;
    }
    // A file that is there but cannot be read is never overwritten.
    m_loaded = today.found || !QFile::exists(TodayTextPath(dir));
    SaveTimer->stop(); // what was just read needs no saving

    QFont f = Memo1->font();
    const FontStyles st = ParseFontStyle(ReadFontConfig(dir, QStringLiteral("Title"), QStringLiteral("Font-style")));
    f.setBold(st.bold);
    f.setItalic(st.italic);
    f.setUnderline(st.underline);
    f.setStrikeOut(st.strikeOut);

    const QString formh = ReadFontConfig(dir, QStringLiteral("Height"), QStringLiteral("Formh"));
    const QString panelh = ReadFontConfig(dir, QStringLiteral("Height"), QStringLiteral("Panelh"));
    const QString memoh = ReadFontConfig(dir, QStringLiteral("Height"), QStringLiteral("Memoh"));
    const QString size = ReadFontConfig(dir, QStringLiteral("Title"), QStringLiteral("font-size"));
    const QString color = ReadFontConfig(dir, QStringLiteral("Title"), QStringLiteral("font-color"));
    const QString name = ReadFontConfig(dir, QStringLiteral("Title"), QStringLiteral("font-name"));
    bool ok = false;
    if (!color.isEmpty()) {
        const qint64 n = color.toLongLong(&ok);
        if (ok) {
            m_textColor = colorFromNumber(n);
            updateMemoStyle();
        }
    }
    if (!name.isEmpty())
        f.setFamily(name);
    if (const int v = formh.toInt(&ok); ok && v > 0)
        setFormHeight(v);
    if (const int v = panelh.toInt(&ok); ok && v > 0)
        AdvSmoothPanel1->resize(361, v);
    if (const int v = memoh.toInt(&ok); ok && v > 0)
        Memo1->resize(342, v);
    if (const int v = size.toInt(&ok); ok && v > 0)
        f.setPointSize(v);
    Memo1->setFont(f);
    FitNoteHeight();
    updateMask();
}

bool TTodayForm::SaveNote()
{
    SaveTimer->stop();
    if (!m_loaded)
        return true; // the box still holds the design text, not the user's
    const QString &dir = m_ctx.vars.ProgramDir;
    const bool ok = WriteTodayText(dir, Memo1->toPlainText(), m_encoding);
    WriteFontConfig(dir, QStringLiteral("Height"), QStringLiteral("Formh"), QString::number(height()));
    WriteFontConfig(dir, QStringLiteral("Height"), QStringLiteral("Panelh"), QString::number(AdvSmoothPanel1->height()));
    WriteFontConfig(dir, QStringLiteral("Height"), QStringLiteral("Memoh"), QString::number(Memo1->height()));
    return ok;
}

void TTodayForm::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept(); // hidden, not destroyed
}

void TTodayForm::FormClose()
{
    if (!SaveNote())
        QMessageBox::warning(this, QStringLiteral("今日日程"),
                             QStringLiteral("今日日程未能保存到 %1").arg(TodayTextPath(m_ctx.vars.ProgramDir)));
}

// ---- menu

void TTodayForm::N1Click()
{
    TFontDialog dlg(this);
    dlg.setCurrentFont(Memo1->font());
    dlg.setColor(m_textColor);
    if (dlg.exec() == QDialog::Accepted)
        applyChosenFont(dlg.currentFont(), dlg.color());
}

void TTodayForm::applyChosenFont(const QFont &chosen, const QColor &color)
{
    QFont f = chosen;
    const int points = qMax(1, qRound(chosen.pointSizeF() > 0 ? chosen.pointSizeF() : 12));
    f.setPointSize(points);
    Memo1->setFont(f);
    m_textColor = color;
    updateMemoStyle();
    const QString &dir = m_ctx.vars.ProgramDir;
    const QString title = QStringLiteral("Title");
    FontStyles st;
    st.bold = f.bold();
    st.italic = f.italic();
    st.underline = f.underline();
    st.strikeOut = f.strikeOut();
    WriteFontConfig(dir, title, QStringLiteral("Font-size"), QString::number(points));
    WriteFontConfig(dir, title, QStringLiteral("Font-color"),
                    QString::number(ColorNumber(color.red(), color.green(), color.blue())));
    WriteFontConfig(dir, title, QStringLiteral("Font-style"), FontStyleText(st));
    WriteFontConfig(dir, title, QStringLiteral("Font-name"), f.family());
    FitNoteHeight();
}

void TTodayForm::N2Click()
{
    close();
}

void TTodayForm::N3Click()
{
    WriteMainConfig(m_ctx.vars.ProgramDir, kToday, QStringLiteral("formtype"), QStringLiteral("1"));
    N3->setChecked(true); // the window turns see-through at its next showing
}

void TTodayForm::N5Click()
{
    WriteMainConfig(m_ctx.vars.ProgramDir, kToday, QStringLiteral("formtype"), QStringLiteral("2"));
    N5->setChecked(true);
    m_seeThrough = false;
    if (NoteColor >= 1 && NoteColor <= 7) {
        const NoteColour &c = NoteColours[NoteColor - 1];
        setFormColor(QColor(c.r, c.g, c.b));
        colourItems[NoteColor - 1]->setChecked(true);
    }
    updateMask();
}

void TTodayForm::colourClick(int number)
{
    const NoteColour &c = NoteColours[number - 1];
    setFormColor(QColor(c.r, c.g, c.b));
    colourItems[number - 1]->setChecked(true);
    NoteColor = number;
    // The background no longer has the see-through colour, so the colour shows at once.
    m_seeThrough = false;
    updateMask();
    WriteMainConfig(m_ctx.vars.ProgramDir, kToday, QStringLiteral("formcolor"), QString::number(number));
}

void TTodayForm::skinClick(int number)
{
    setPicture(number);
    WriteMainConfig(m_ctx.vars.ProgramDir, kToday, QStringLiteral("skin"), QString::number(number));
}

// ---- surface

void TTodayForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_seeThrough ? palette().color(QPalette::Button) : m_formColor);
    if (!m_picture.isNull())
        p.drawPixmap(QRect(8, 8, 128, 128), m_picture);
}

void TTodayForm::layoutBottom()
{
    Panel3->setGeometry(0, height() - 83, width(), 83);
}

void TTodayForm::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    layoutBottom();
    updateMask();
}

void TTodayForm::updateMask()
{
    if (!m_seeThrough) {
        clearMask();
        return;
    }
    // Only the picture, the panel and the web strips remain; works with or without a compositor.
    QRegion region;
    if (!m_picture.isNull()) {
        const QImage img = m_picture.scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage();
        if (img.hasAlphaChannel())
            region += QRegion(QBitmap::fromImage(img.createAlphaMask())).translated(8, 8);
        else
            region += QRect(8, 8, 128, 128);
    }
    QPainterPath panel;
    panel.addRoundedRect(QRectF(AdvSmoothPanel1->geometry()), 10, 10);
    region += QRegion(panel.toFillPolygon().toPolygon());
    region += Panel2->geometry();
    region += QRect(Panel3->mapTo(this, sPanel1->pos()), sPanel1->size());
    setMask(region);
}

void TTodayForm::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    // The picture and the bare background move the whole note.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TTodayForm::mouseMoveEvent(QMouseEvent *e)
{
    if (m_dragging)
        move(e->globalPosition().toPoint() - m_dragOffset);
}

void TTodayForm::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

bool TTodayForm::eventFilter(QObject *o, QEvent *e)
{
    // Sized before the key itself takes effect: the note follows its text one key behind.
    if (o == Memo1 && e->type() == QEvent::KeyPress)
        FitNoteHeight();
    return QWidget::eventFilter(o, e);
}
