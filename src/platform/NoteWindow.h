#pragma once
// Puts a window on the desktop beneath every ordinary window and keeps it off
// the taskbar and the pager.
class QWidget;

namespace NoteWindow {
// Window flags for such a window; call before it is first shown.
void Prepare(QWidget *w);
// Re-attaches the shown window to the desktop (Windows: child of "Progman").
void AttachToDesktop(QWidget *w);
} // namespace NoteWindow
