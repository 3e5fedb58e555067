#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Autostart {

#ifdef Q_OS_WIN
static const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
#endif

QString ProgramFile(const QString &programDir)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(programDir + QStringLiteral("CorvinaDesktop.exe"));
#else
    return programDir + QStringLiteral("CorvinaDesktop");
#endif
}

QString EntryFile()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // XDG base directories: a relative value is invalid and is ignored.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/") + EntryName + QStringLiteral(".desktop");
}

QString ExecValue(const QString &path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : path)
        if (reserved.contains(c))
            needsQuotes = true;
    QString v = path;
    if (needsQuotes) {
        QString q;
        for (QChar c : path) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                q += QLatin1Char('\\');
            q += c;
        }
        v = QLatin1Char('"') + q + QLatin1Char('"');
    }
    // "%" introduces field codes; a literal one is doubled. Then the string-value escape
    // of backslashes applies to the whole value.
    v.replace(QLatin1Char('%'), QStringLiteral("%%"));
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return v;
}

QString DesktopEntryText(const QString &programDir, bool autostart)
{
    QString t = QStringLiteral("[Desktop Entry]\n"
                               "Type=Application\n"
                               "Version=1.0\n"
                               "Name=") + EntryName + QStringLiteral("\n"
                               "Comment=个人日程与提醒\n"
                               "Exec=") + ExecValue(ProgramFile(programDir)) + QStringLiteral("\n"
                               "Path=") + programDir + QStringLiteral("\n"
                               "Icon=") + programDir + QStringLiteral("icons/corvina.png\n"
                               "Terminal=false\n"
                               "StartupNotify=false\n");
    if (autostart)
        t += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    else
        t += QStringLiteral("Categories=Office;Calendar;Utility;\n");
    return t;
}

bool SetEntry(const QString &programDir)
{
#ifdef Q_OS_WIN
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, RunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const QString data = ProgramFile(programDir);
    const LONG rc = RegSetValueExW(key, reinterpret_cast<LPCWSTR>(EntryName.utf16()), 0, REG_SZ,
                                   reinterpret_cast<const BYTE *>(data.utf16()),
                                   DWORD((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
#else
    const QString file = EntryFile();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(DesktopEntryText(programDir, true).toUtf8());
    return out.commit();
#endif
}

bool RemoveEntry()
{
#ifdef Q_OS_WIN
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, RunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG rc = RegDeleteValueW(key, reinterpret_cast<LPCWSTR>(EntryName.utf16()));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
#else
    const QString file = EntryFile();
    return !QFileInfo::exists(file) || QFile::remove(file);
#endif
}

bool HasEntry()
{
#ifdef Q_OS_WIN
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, RunKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const LONG rc = RegQueryValueExW(key, reinterpret_cast<LPCWSTR>(EntryName.utf16()), nullptr, nullptr,
                                     nullptr, nullptr);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
#else
    return QFileInfo::exists(EntryFile());
#endif
}

} // namespace Autostart
