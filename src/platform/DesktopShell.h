#pragma once
#include "platform/Shell.h"

// The real shell: the desktop's URL handler, a detached process, the shutdown script.
class DesktopShell final : public IShell {
public:
    void OpenWebAddress(const QString &address) override;
    void OpenMailAddress(const QString &address) override;
    void StartProgram(const QString &file, const QString &showMode) override;
    void RunShutdownScript(const QString &programDir) override;
};

// The command that runs the shutdown script of a program folder: program and arguments.
QStringList ShutdownScriptCommand(const QString &programDir);
