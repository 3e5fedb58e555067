#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

void DesktopShell::OpenWebAddress(const QString &address)
{
#ifdef Q_OS_WIN
    ShellExecuteW(nullptr, L"open", L"Explorer.exe", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr,
                  SW_SHOWNORMAL);
#else
    if (!address.isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(address));
#endif
}

void DesktopShell::OpenMailAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
}

void DesktopShell::StartProgram(const QString &file, const QString &showMode)
{
#ifdef Q_OS_WIN
    const int mode = showMode == QLatin1String("2") ? SW_SHOWMINIMIZED
        : showMode == QLatin1String("3")            ? SW_SHOWMAXIMIZED
                                                    : SW_SHOWNORMAL;
    ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(file.utf16()), L"", nullptr, mode);
#else
    Q_UNUSED(showMode); // window managers decide the state of a new window; best effort only
    const QFileInfo fi(file);
    if (!fi.exists())
        return; // a missing program fails quietly, as the shell's own call would
    if (fi.isExecutable() && fi.isFile())
        QProcess::startDetached(file, {}, fi.absolutePath());
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(file)); // a document: its default application
#endif
}

QStringList ShutdownScriptCommand(const QString &programDir)
{
#ifdef Q_OS_WIN
    return {programDir + QStringLiteral("Config/down.bat")};
#else
    return {QStringLiteral("/bin/sh"), programDir + QStringLiteral("Config/down.sh")};
#endif
}

void DesktopShell::RunShutdownScript(const QString &programDir)
{
    const QStringList cmd = ShutdownScriptCommand(programDir);
#ifdef Q_OS_WIN
    ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(cmd.front().utf16()), nullptr, nullptr, SW_SHOWNORMAL);
#else
    QProcess::startDetached(cmd.front(), cmd.mid(1), programDir);
#endif
}
