#include "info/FileReplace.h"

#include "info/UpdateDescription.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#endif

namespace {
void SetError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}
} // namespace

bool ReplaceFileAtomically(const QString &target, const QByteArray &bytes, const QByteArray &expectedSha256,
                           QString *error)
{
    if (Sha256Of(bytes) != expectedSha256) {
        SetError(error, QStringLiteral("校验值不符"));
        return false;
    }
    const QString fresh = target + QStringLiteral(".new");
    QFile::remove(fresh);
    {
        QFile f(fresh);
        if (!f.open(QIODevice::WriteOnly)) {
            SetError(error, f.errorString());
            return false;
        }
        const bool written = f.write(bytes) == bytes.size() && f.flush();
#ifndef Q_OS_WIN
        const bool synced = written && ::fsync(f.handle()) == 0;
#else
        const bool synced = written && FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(f.handle())));
#endif
        if (!synced) {
            SetError(error, f.errorString());
            f.close();
            QFile::remove(fresh);
            return false;
        }
    }
    // Read back what the disk holds: a short write must never become the program.
    {
        QFile f(fresh);
        if (!f.open(QIODevice::ReadOnly) || Sha256Of(f.readAll()) != expectedSha256) {
            SetError(error, QStringLiteral("写入的文件校验失败"));
            f.close();
            QFile::remove(fresh);
            return false;
        }
    }
    const QFileInfo old(target);
    const QFile::Permissions perms = old.exists()
        ? old.permissions()
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(fresh, perms);

#ifdef Q_OS_WIN
    // A running program file cannot be overwritten but can be renamed: move it aside,
    // move the new one in, and put the old one back if that fails.
    const QString aside = target + QStringLiteral(".old");
    const auto w = [](const QString &s) { return reinterpret_cast<LPCWSTR>(s.utf16()); };
    const bool hadOld = old.exists();
    if (hadOld && !MoveFileExW(w(target), w(aside), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        SetError(error, QStringLiteral("无法移开旧文件"));
        QFile::remove(fresh);
        return false;
    }
    if (!MoveFileExW(w(fresh), w(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (hadOld)
            MoveFileExW(w(aside), w(target), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        SetError(error, QStringLiteral("无法放入新文件"));
        QFile::remove(fresh);
        return false;
    }
    if (hadOld && !DeleteFileW(w(aside)))
        MoveFileExW(w(aside), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT); // still running: remove later
    return true;
#else
    // rename() replaces the old name in one step; a running program keeps its old file open.
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) != 0) {
        SetError(error, QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(fresh);
        return false;
    }
    return true;
#endif
}
