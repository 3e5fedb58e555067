#include "webpanels/WebPanelWidgets.h"

#include "mainwindow/AppContext.h"
#include "webpanels/WebEngineBrowserView.h"
#include "webpanels/WebPanel.h"
#include "webpanels/WindowPanels.h"

#include <QPointer>

void AttachWebPanel(WebPanel *panel, QWidget *clip, QWidget *cover, const QRect &browserRect, IShell *shell)
{
    QPointer<QWidget> coverGuard(cover);
    QObject::connect(panel, &WebPanel::coverHidden, cover, &QWidget::hide);
    panel->SetViewFactory([panel, clip, coverGuard, browserRect, shell]() -> IBrowserView * {
        auto *view = new WebEngineBrowserView(shell, clip);
        view->setObjectName(panel->objectName());
        view->setGeometry(browserRect);
        view->show();
        if (coverGuard && panel->CoverVisible())
            coverGuard->raise();
        QObject::connect(view, &QObject::destroyed, panel, [panel] { panel->DetachView(); });
        return view;
    });
}

void InstallWebPanel(QWidget *placeholder, WebPanel *panel, IShell *shell, const QRect &browserRect)
{
    auto *clip = new QWidget(placeholder->parentWidget());
    clip->setObjectName(panel->objectName() + QStringLiteral("Clip"));
    clip->setGeometry(placeholder->geometry());
    clip->show();
    placeholder->raise();
    const QRect r = browserRect.isEmpty() ? QRect(0, -3, placeholder->width() + 22, placeholder->height() + 20)
                                          : browserRect;
    panel->CreateViewOnNavigate = true;
    AttachWebPanel(panel, clip, placeholder, r, shell);
}

WebPanel *InstallAlertWebPanel(QWidget *web1Panel, const TAppContext &ctx)
{
    WebPanel *p = MakeAlertWebPanel(ctx.vars.ProgramDir, ctx.AdConfig, web1Panel->parentWidget());
    InstallWebPanel(web1Panel, p, ctx.shell);
    return p;
}

TNoteWebPanels *InstallNoteWebPanels(QWidget *web1Panel, QWidget *web2Panel, const TAppContext &ctx)
{
    auto *note = new TNoteWebPanels(ctx.vars.ProgramDir, ctx.AdConfig, web1Panel->window());
    InstallWebPanel(web1Panel, note->WebBrowser1, ctx.shell);
    InstallWebPanel(web2Panel, note->WebBrowser2, ctx.shell);
    return note;
}
