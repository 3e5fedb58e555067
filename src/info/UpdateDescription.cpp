#include "info/UpdateDescription.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>
#include <sodium.h>

namespace {

bool SodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

const QByteArray kSignatureSection = QByteArrayLiteral("[Signature]");

// Minimal INI reading for the signed text: sections, key=value, ';' and '#' comments,
// names without regard to case; the first of duplicate keys wins.
struct Section {
    QString name;
    QList<std::pair<QString, QString>> keys;
    QString value(const char *key) const
    {
        for (const auto &kv : keys)
            if (kv.first.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return kv.second;
        return {};
    }
    bool has(const char *key) const
    {
        for (const auto &kv : keys)
            if (kv.first.compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
};

std::optional<QList<Section>> ParseIni(const QByteArray &bytes)
{
    QList<Section> sections;
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QString s = QString::fromUtf8(text);
    for (QString line : s.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return std::nullopt;
            sections.append(Section{line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || sections.isEmpty())
            return std::nullopt;
        sections.last().keys.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return sections;
}

const Section *FindSection(const QList<Section> &sections, const QString &name)
{
    for (const Section &s : sections)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

bool IsPlainFileName(const QString &n)
{
    return !n.isEmpty() && n != QLatin1String(".") && n != QLatin1String("..") && !n.contains(QLatin1Char('/'))
        && !n.contains(QLatin1Char('\\')) && !n.contains(QLatin1Char(':'));
}

std::optional<TUpdateDescription> ReadBody(const QByteArray &body)
{
    const auto sections = ParseIni(body);
    if (!sections)
        return std::nullopt;
    const Section *update = FindSection(*sections, QStringLiteral("Update"));
    if (!update)
        return std::nullopt;
    TUpdateDescription d;
    d.Application = update->value("Application");
    d.Version = update->value("Version");
    d.Date = update->value("Date");
    if (!IsVersionNumber(d.Version))
        return std::nullopt;
    for (int i = 1;; ++i) {
        const Section *f = FindSection(*sections, QStringLiteral("File%1").arg(i));
        if (!f)
            break;
        TUpdateFileEntry e;
        e.Name = f->value("Name");
        bool sizeOk = false;
        e.Size = f->value("Size").toLongLong(&sizeOk);
        const QString hex = f->value("SHA256");
        static const QRegularExpression hex64(QStringLiteral("^[0-9a-fA-F]{64}$"));
        if (!IsPlainFileName(e.Name) || !sizeOk || e.Size < 0 || !hex64.match(hex).hasMatch())
            return std::nullopt;
        e.Sha256 = QByteArray::fromHex(hex.toLatin1());
        d.Files.append(e);
    }
    return d;
}

} // namespace

const TUpdateFileEntry *TUpdateDescription::file(const QString &name) const
{
    for (const TUpdateFileEntry &e : Files)
        if (e.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

TDescriptionResult ReadSignedDescription(const QByteArray &bytes, const QByteArray &publicKey)
{
    TDescriptionResult r;
    // The signature section starts a line; the last one counts.
    qsizetype at = bytes.lastIndexOf("\n" + kSignatureSection);
    if (at >= 0)
        ++at;
    else if (bytes.startsWith(kSignatureSection))
        at = 0;
    if (at < 0) {
        r.check = EDescriptionCheck::Unsigned;
        return r;
    }
    const QByteArray body = bytes.left(at);
    const auto trailer = ParseIni(bytes.mid(at));
    const QString sigHex = trailer && !trailer->isEmpty() ? trailer->first().value("Ed25519") : QString();
    static const QRegularExpression hex128(QStringLiteral("^[0-9a-fA-F]{128}$"));
    if (sigHex.isEmpty()) {
        r.check = EDescriptionCheck::Unsigned;
        return r;
    }
    const QByteArray sig = QByteArray::fromHex(sigHex.toLatin1());
    if (!SodiumReady() || !hex128.match(sigHex).hasMatch() || publicKey.size() != crypto_sign_PUBLICKEYBYTES
        || crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(sig.constData()),
                                       reinterpret_cast<const unsigned char *>(body.constData()),
                                       static_cast<unsigned long long>(body.size()),
                                       reinterpret_cast<const unsigned char *>(publicKey.constData()))
            != 0) {
        r.check = EDescriptionCheck::BadSignature;
        return r;
    }
    const auto d = ReadBody(body);
    if (!d) {
        r.check = EDescriptionCheck::Malformed;
        return r;
    }
    r.check = EDescriptionCheck::Ok;
    r.description = *d;
    return r;
}

QByteArray DescriptionBody(const TUpdateDescription &d)
{
    QByteArray out;
    out += "[Update]\n";
    out += "Application=" + d.Application.toUtf8() + "\n";
    out += "Version=" + d.Version.toUtf8() + "\n";
    if (!d.Date.isEmpty())
        out += "Date=" + d.Date.toUtf8() + "\n";
    for (int i = 0; i < d.Files.size(); ++i) {
        const TUpdateFileEntry &e = d.Files[i];
        out += "[File" + QByteArray::number(i + 1) + "]\n";
        out += "Name=" + e.Name.toUtf8() + "\n";
        out += "Size=" + QByteArray::number(e.Size) + "\n";
        out += "SHA256=" + e.Sha256.toHex() + "\n";
    }
    return out;
}

QByteArray SignDescription(const QByteArray &body, const QByteArray &secretKey)
{
    if (!SodiumReady() || secretKey.size() != crypto_sign_SECRETKEYBYTES)
        return {};
    QByteArray out = body;
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += '\n'; // the signature section must start a line
    QByteArray sig(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char *>(sig.data()), nullptr,
                         reinterpret_cast<const unsigned char *>(out.constData()),
                         static_cast<unsigned long long>(out.size()),
                         reinterpret_cast<const unsigned char *>(secretKey.constData()));
    out += kSignatureSection + "\nEd25519=" + sig.toHex() + "\n";
    return out;
}

std::pair<QByteArray, QByteArray> KeyPairFromSeed(const QByteArray &seed)
{
    if (!SodiumReady() || seed.size() != crypto_sign_SEEDBYTES)
        return {};
    QByteArray pk(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray sk(crypto_sign_SECRETKEYBYTES, '\0');
    if (crypto_sign_seed_keypair(reinterpret_cast<unsigned char *>(pk.data()),
                                 reinterpret_cast<unsigned char *>(sk.data()),
                                 reinterpret_cast<const unsigned char *>(seed.constData()))
        != 0)
        return {};
    return {pk, sk};
}

QByteArray RandomSeed()
{
    if (!SodiumReady())
        return {};
    QByteArray seed(crypto_sign_SEEDBYTES, '\0');
    randombytes_buf(seed.data(), static_cast<size_t>(seed.size()));
    return seed;
}

QByteArray Sha256Of(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool IsVersionNumber(const QString &v)
{
    static const QRegularExpression re(QStringLiteral("^\\d{1,9}(\\.\\d{1,9})*$"));
    return re.match(v).hasMatch();
}

int CompareVersionNumbers(const QString &a, const QString &b)
{
    const QStringList pa = IsVersionNumber(a) ? a.split(QLatin1Char('.')) : QStringList{};
    const QStringList pb = IsVersionNumber(b) ? b.split(QLatin1Char('.')) : QStringList{};
    for (qsizetype i = 0; i < std::max(pa.size(), pb.size()); ++i) {
        const qlonglong x = i < pa.size() ? pa[i].toLongLong() : 0;
        const qlonglong y = i < pb.size() ? pb[i].toLongLong() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}
