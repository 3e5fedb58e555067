// The main window's banner and the four panels of each task tab.
#include "mainwindow/MainUnit.h"
#include "webpanels/MainPanelTable.h"
#include "webpanels/WebPanel.h"
#include "webpanels/WebPanelWidgets.h"

#include <QEvent>
#include <QFrame>
#include <QTabWidget>
#include <QTimer>

namespace {
// Starts the first browsers once the window has been painted, so the window shows
// before the engine starts.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(TMainForm *form) : QObject(form), m_form(form) { form->installEventFilter(this); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_form && e->type() == QEvent::Paint) {
            m_form->removeEventFilter(this);
            QTimer::singleShot(0, m_form, [f = m_form] { f->CreateTabWebPanels(f->sPageControl1->currentIndex()); });
        }
        return false;
    }

private:
    TMainForm *m_form;
};
} // namespace

void TMainForm::setupWebPanels()
{
    const QString &programDir = m_ctx.vars.ProgramDir;
    m_ctx.AdConfig = ReadAdConfig(programDir);
    WebPanels = new TMainWebPanelSet(programDir, m_ctx.AdConfig, this);

    QWidget *const tabs[6] = {sTabSheet1, sTabSheet2, sTabSheet3, sTabSheet4, sTabSheet5, sTabSheet6};
    for (size_t i = 0; i < WebPanels->panels().size(); ++i) {
        const MainPanelSpec &entry = MainPanelSpecs[i];
        WebPanel *panel = WebPanels->panels()[i];
        const PanelGeometry g = MainPanelGeometry(entry.size, entry.tab);
        QWidget *clip = nullptr;
        if (entry.tab < 0) {
            clip = BannerArea; // already 468 x 21 at 8, 8
        } else {
            clip = new QWidget(tabs[entry.tab]);
            clip->setObjectName(panel->objectName() + QStringLiteral("Clip"));
            clip->setGeometry(g.clip);
        }
        auto *cover = new QFrame(clip);
        cover->setObjectName(QString::fromLatin1(entry.cover));
        cover->setGeometry(g.cover);
        cover->setAutoFillBackground(true);
        if (g.framedCover)
            cover->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        AttachWebPanel(panel, clip, cover, g.browser, m_ctx.shell);
    }
    WebPanels->NavigateAll();

    connect(sPageControl1, &QTabWidget::currentChanged, this, &TMainForm::CreateTabWebPanels);
    new FirstPaintWatcher(this);
}

void TMainForm::CreateTabWebPanels(int tabIndex)
{
    if (!WebPanels || !m_ctx.WebPanelsOn) // no engine where nobody asked for it (window tests)
        return;
    WebPanels->panelsOfTab(-1).front()->EnsureView();
    if (tabIndex < 0 || tabIndex > 5)
        return;
    for (WebPanel *p : WebPanels->panelsOfTab(tabIndex))
        p->EnsureView();
}
