#pragma once
// Start-up settings of the web engine; must run before the application object exists.
#include <QByteArray>

// The engine flags for the program: every panel in one renderer process, and no
// sandbox only when running as root (the engine refuses to start sandboxed then).
// Flags already given by the user are kept.
QByteArray WebEngineChromiumFlags(const QByteArray &existing, bool runningAsRoot);

// Sets the flags in the environment and, before the application object exists,
// the attribute the engine needs. The engine reads the flags when it starts, at the
// first browser, so a late call (a test that never called it) still works.
void PrepareWebEngine();
