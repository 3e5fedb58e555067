#include "platform/NoteWindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#elif defined(CORVINA_HAVE_XCB)
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace {
#ifdef CORVINA_HAVE_XCB
xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

// The window manager reads these before it maps the window; Qt keeps states it does not know.
void skipTaskbar(QWidget *w)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *c = x11->connection();
    const xcb_atom_t state = internAtom(c, "_NET_WM_STATE");
    const xcb_atom_t atoms[] = {internAtom(c, "_NET_WM_STATE_SKIP_TASKBAR"), internAtom(c, "_NET_WM_STATE_SKIP_PAGER"),
                                internAtom(c, "_NET_WM_STATE_BELOW")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(w->winId()), state, XCB_ATOM_ATOM, 32, 3,
                        atoms);
    xcb_flush(c);
}
#endif
} // namespace

namespace NoteWindow {

void Prepare(QWidget *w)
{
    // A tool window has no taskbar button; stays-on-bottom keeps it under ordinary windows.
    w->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    w->setAttribute(Qt::WA_QuitOnClose, false);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
#ifdef CORVINA_HAVE_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        skipTaskbar(w);
#endif
}

void AttachToDesktop(QWidget *w)
{
#ifdef Q_OS_WIN
    if (HWND progman = FindWindowW(L"Progman", nullptr))
        SetParent(reinterpret_cast<HWND>(w->winId()), progman);
#else
    w->lower();
#endif
}

} // namespace NoteWindow
