#pragma once
// Puts a WebPanel on a window: the clip area, the browser shifted inside it and
// the covering panel above it until the first completed top document.
#include <QRect>

class IShell;
class QWidget;
class WebPanel;
class TNoteWebPanels;
struct TAppContext;

// clip: the visible area; cover: a child of clip or a sibling lying above it.
// The browser (named like the panel) is made by the panel when it first needs it,
// as a child of clip at browserRect. Links clicked in it open through shell.
void AttachWebPanel(WebPanel *panel, QWidget *clip, QWidget *cover, const QRect &browserRect, IShell *shell);

// For windows that hold a placeholder named like its cover (web1Panel, web2Panel):
// the placeholder stays the cover; a clip area of its geometry is put beneath it.
// An empty browserRect shifts the browser by (0, -3) and makes it 22 x 20 larger,
// so the page's border falls outside the visible part. The browser is made at the
// panel's first navigation.
void InstallWebPanel(QWidget *placeholder, WebPanel *panel, IShell *shell, const QRect &browserRect = {});

// The reminder window's or the shutdown warning's strip; call NavigateToAddress()
// on the returned panel each time the window is shown.
WebPanel *InstallAlertWebPanel(QWidget *web1Panel, const TAppContext &ctx);

// The desktop note's two panels; call NavigateAll() once when the note is created.
TNoteWebPanels *InstallNoteWebPanels(QWidget *web1Panel, QWidget *web2Panel, const TAppContext &ctx);
