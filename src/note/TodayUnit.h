#pragma once
// The desktop note: a picture, a rounded panel holding today's free text, and
// two web strips, lying on the desktop beneath ordinary windows.
#include "mainwindow/AppContext.h"
#include "mainwindow/TextCodec.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

// The rounded panel with its caption and gradient.
class TAdvSmoothPanel : public QWidget {
    Q_OBJECT
public:
    explicit TAdvSmoothPanel(QWidget *parent = nullptr);
    QString Caption;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override; // not a drag handle
};

class TTodayForm : public QWidget {
    Q_OBJECT
public:
    explicit TTodayForm(TAppContext &ctx, QWidget *parent = nullptr);
    ~TTodayForm() override;

    // Writes the text and the three heights; false when the text could not be written.
    // Does nothing (and succeeds) until the note has read its file once.
    bool SaveNote();
    // Shows the note (reading its file and settings when it was hidden) and raises it.
    void ShowNote();

    // The sizing rule over the text as it is displayed now.
    void FitNoteHeight();
    int displayLineCount() const;

    // The font command after the dialog was confirmed.
    void applyChosenFont(const QFont &font, const QColor &color);

    // Menu handlers.
    void N1Click();
    void N2Click();
    void N3Click();
    void N5Click();
    void colourClick(int number); // N7Click .. N13Click
    void skinClick(int number);   // N15Click .. N18Click, N20Click

    int NoteColor = 1;
    bool seeThrough() const { return m_seeThrough; }
    QColor formColor() const { return m_formColor; }
    QString pictureFile() const { return m_pictureFile; }

    // ---- parts
    QPlainTextEdit *Memo1 = nullptr;
    TAdvSmoothPanel *AdvSmoothPanel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *web2Panel = nullptr;
    QWidget *Panel3 = nullptr;
    QWidget *sPanel1 = nullptr;
    QWidget *web1Panel = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *post1 = nullptr;
    QMenu *N6 = nullptr;
    QMenu *N14 = nullptr;
    QAction *N1 = nullptr;
    QAction *N2 = nullptr;
    QAction *N3 = nullptr;
    QAction *N5 = nullptr;
    QAction *colourItems[7] = {};
    QAction *skinItems[5] = {};
    QTimer *webTimer = nullptr;
    QTimer *SaveTimer = nullptr; // saves the text shortly after typing stops

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void buildParts();
    void buildMenu();
    void FormShow();
    void FormClose();
    void setFormColor(const QColor &c);
    void setPicture(int number);
    void updateMemoStyle();
    void updateMask();
    void layoutBottom();
    void setFormHeight(int h);

    TAppContext &m_ctx;
    QPixmap m_picture;
    QString m_pictureFile;
    QColor m_formColor;
    QColor m_textColor{0, 128, 0};
    bool m_seeThrough = false;
    bool m_loaded = false; // the text file was read (or found missing) at least once
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
