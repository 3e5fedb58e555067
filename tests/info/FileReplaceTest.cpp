#include "info/FileReplace.h"
#include "info/UpdateDescription.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void Write(const QString &path, const QByteArray &bytes, QFile::Permissions perms)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QFile::setPermissions(path, perms);
}
QByteArray Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
const QFile::Permissions kExec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
    | QFile::WriteUser | QFile::ExeUser;
} // namespace

TEST(ReplaceFileAtomically, NewBytesTakeThePlaceKeepingTheExecutableBit)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("CorvinaDesktop"));
    Write(target, "old program", kExec);
    QString why;
    ASSERT_TRUE(ReplaceFileAtomically(target, "new program", Sha256Of("new program"), &why)) << why.toStdString();
    EXPECT_EQ(Read(target), QByteArray("new program"));
    EXPECT_TRUE(QFile::permissions(target) & QFile::ExeOwner);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("CorvinaDesktop")});
}

TEST(ReplaceFileAtomically, FailureLeavesTheOldFileAndNoLeftovers)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("CorvinaDesktop"));
    Write(target, "old program", kExec);
    // Bytes that do not match the expected hash are never written.
    EXPECT_FALSE(ReplaceFileAtomically(target, "new program", Sha256Of("other")));
    EXPECT_EQ(Read(target), QByteArray("old program"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("CorvinaDesktop")});
    // The place for the new bytes is taken by a folder: nothing can be written, the old file stays.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("CorvinaDesktop.new/busy")));
    QString why;
    EXPECT_FALSE(ReplaceFileAtomically(target, "new program", Sha256Of("new program"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(Read(target), QByteArray("old program"));
    EXPECT_TRUE(QFile::permissions(target) & QFile::ExeOwner);
}
