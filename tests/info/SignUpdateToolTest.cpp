// The release tool's output is exactly what the program accepts.
#include "info/UpdateDescription.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct ToolRun {
    int code;
    QByteArray out;
};
ToolRun Tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(SIGN_UPDATE_TOOL), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().trimmed()};
}
} // namespace

TEST(SignUpdateTool, SignsADescriptionTheProgramAccepts)
{
    QTemporaryDir dir;
    const QString key = dir.filePath(QStringLiteral("release.key"));
    const QString program = dir.filePath(QStringLiteral("CorvinaDesktop"));
    const QString inf = dir.filePath(QStringLiteral("AutoUpdater.inf"));
    {
        QFile f(program);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("program bytes");
    }
    const ToolRun keygen = Tool({QStringLiteral("keygen"), key});
    ASSERT_EQ(keygen.code, 0);
    EXPECT_EQ(QFile::permissions(key) & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions{});
    EXPECT_NE(Tool({QStringLiteral("keygen"), key}).code, 0); // never overwrites a key
    const QByteArray publicKey = QByteArray::fromHex(keygen.out);
    ASSERT_EQ(publicKey.size(), 32);
    EXPECT_EQ(Tool({QStringLiteral("pubkey"), key}).out, keygen.out);

    ASSERT_EQ(Tool({QStringLiteral("sign"), key, QStringLiteral("3.26"), inf, program, QStringLiteral("--date"),
                    QStringLiteral("2026-12-01 00:00:00")})
                  .code,
              0);
    QFile f(inf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const TDescriptionResult r = ReadSignedDescription(f.readAll(), publicKey);
    ASSERT_EQ(r.check, EDescriptionCheck::Ok);
    EXPECT_EQ(r.description.Application, QStringLiteral("青雀日程助手"));
    EXPECT_EQ(r.description.Version, QStringLiteral("3.26"));
    EXPECT_EQ(r.description.Date, QStringLiteral("2026-12-01 00:00:00"));
    ASSERT_EQ(r.description.Files.size(), 1);
    EXPECT_EQ(r.description.Files[0].Name, QStringLiteral("CorvinaDesktop"));
    EXPECT_EQ(r.description.Files[0].Sha256, Sha256Of("program bytes"));

    EXPECT_NE(Tool({QStringLiteral("sign"), key, QStringLiteral("3.x"), inf, program}).code, 0);
}
