#pragma once
// What the program asks of the operating system's shell. The result of each call
// is not examined: a failure is silent.
#include <QString>

class IShell {
public:
    virtual ~IShell() = default;
    virtual void OpenWebAddress(const QString &address) = 0;
    virtual void OpenMailAddress(const QString &address) = 0; // "mailto:" + address
    // Starts the program file with empty parameters; showMode "1" normal, "2" minimised,
    // "3" maximised, anything else normal.
    virtual void StartProgram(const QString &file, const QString &showMode) = 0;
    // Runs the shutdown script of the program folder (Config/down.sh, or down.bat on Windows).
    virtual void RunShutdownScript(const QString &programDir) = 0;
};
