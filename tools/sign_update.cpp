// Makes the signed update description file for a release.
//
//   sign_update keygen <secret-key-file>
//       writes a new secret key (hex seed, owner-only) and prints the public key, which
//       goes into the build setting CORVINA_UPDATE_PUBLIC_KEY.
//   sign_update pubkey <secret-key-file>
//   sign_update sign <secret-key-file> <version> <out.inf> <file>... [--date "yyyy-MM-dd HH:mm:ss"]
//       writes the description for the given files (name, size, SHA-256), signed.
//
// The secret key stays with the release manager; it is never committed.
#include "info/UpdateDescription.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {
int Fail(const QString &text)
{
    std::fprintf(stderr, "sign_update: %s\n", text.toLocal8Bit().constData());
    return 1;
}

QByteArray ReadSeed(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
        return {};
    }
    const QByteArray seed = QByteArray::fromHex(f.readAll().trimmed());
    if (seed.size() != 32)
        *error = QStringLiteral("%1 does not hold a 64-digit hex key").arg(path);
    return seed.size() == 32 ? seed : QByteArray();
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: sign_update keygen <secret-key-file>\n"
                 "       sign_update pubkey <secret-key-file>\n"
                 "       sign_update sign <secret-key-file> <version> <out.inf> <file>... [--date DATE]\n");
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return Usage();
    const QString cmd = args.takeFirst();
    const QString keyFile = args.takeFirst();

    if (cmd == QLatin1String("keygen")) {
        if (QFileInfo::exists(keyFile))
            return Fail(QStringLiteral("%1 exists; not overwritten").arg(keyFile));
        const QByteArray seed = RandomSeed();
        QSaveFile f(keyFile);
        if (seed.isEmpty() || !f.open(QIODevice::WriteOnly))
            return Fail(QStringLiteral("cannot write %1").arg(keyFile));
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        f.write(seed.toHex() + "\n");
        if (!f.commit())
            return Fail(QStringLiteral("cannot write %1").arg(keyFile));
        std::printf("%s\n", KeyPairFromSeed(seed).first.toHex().constData());
        return 0;
    }

    QString error;
    const QByteArray seed = ReadSeed(keyFile, &error);
    if (seed.isEmpty())
        return Fail(error);
    const auto [pk, sk] = KeyPairFromSeed(seed);

    if (cmd == QLatin1String("pubkey")) {
        std::printf("%s\n", pk.toHex().constData());
        return 0;
    }
    if (cmd != QLatin1String("sign") || args.size() < 3)
        return Usage();

    TUpdateDescription d;
    d.Application = QStringLiteral("青雀日程助手");
    d.Version = args.takeFirst();
    const QString out = args.takeFirst();
    d.Date = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const qsizetype dateAt = args.indexOf(QStringLiteral("--date"));
    if (dateAt >= 0) {
        if (dateAt + 1 >= args.size())
            return Usage();
        d.Date = args[dateAt + 1];
        args.remove(dateAt, 2);
    }
    if (!IsVersionNumber(d.Version))
        return Fail(QStringLiteral("%1 is not a dotted version number").arg(d.Version));
    if (args.isEmpty())
        return Usage();
    for (const QString &path : args) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
        const QByteArray bytes = f.readAll();
        d.Files.append({QFileInfo(path).fileName(), bytes.size(), Sha256Of(bytes)});
    }
    const QByteArray signedText = SignDescription(DescriptionBody(d), sk);
    // Check our own work with the public half before handing it out.
    if (ReadSignedDescription(signedText, pk).check != EDescriptionCheck::Ok)
        return Fail(QStringLiteral("the signed description does not verify"));
    QSaveFile f(out);
    if (!f.open(QIODevice::WriteOnly) || f.write(signedText) != signedText.size() || !f.commit())
        return Fail(QStringLiteral("cannot write %1").arg(out));
    std::printf("%s: version %s, %lld file(s), signed by %s\n", out.toLocal8Bit().constData(),
                d.Version.toUtf8().constData(), static_cast<long long>(d.Files.size()), pk.toHex().constData());
    return 0;
}
