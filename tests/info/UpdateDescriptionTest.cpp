#include "info/UpdateDescription.h"

#include <gtest/gtest.h>

namespace {
struct Keys {
    QByteArray pk, sk;
    Keys()
    {
        auto p = KeyPairFromSeed(RandomSeed());
        pk = p.first;
        sk = p.second;
    }
};

TUpdateDescription Sample()
{
    TUpdateDescription d;
    d.Application = QStringLiteral("青雀日程助手");
    d.Version = QStringLiteral("3.26");
    d.Date = QStringLiteral("2026-12-01 00:00:00");
    d.Files.append({QStringLiteral("CorvinaDesktop"), 3, Sha256Of("new")});
    return d;
}
} // namespace

TEST(UpdateDescription, SignedFileReadsBackWithEveryField)
{
    Keys k;
    const QByteArray file = SignDescription(DescriptionBody(Sample()), k.sk);
    const TDescriptionResult r = ReadSignedDescription(file, k.pk);
    ASSERT_EQ(r.check, EDescriptionCheck::Ok);
    EXPECT_EQ(r.description.Application, QStringLiteral("青雀日程助手"));
    EXPECT_EQ(r.description.Version, QStringLiteral("3.26"));
    EXPECT_EQ(r.description.Date, QStringLiteral("2026-12-01 00:00:00"));
    const TUpdateFileEntry *e = r.description.file(QStringLiteral("corvinadesktop"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Size, 3);
    EXPECT_EQ(e->Sha256, Sha256Of("new"));
}

TEST(UpdateDescription, AnythingNotSignedByTheKeyIsRefused)
{
    Keys k, other;
    const QByteArray body = DescriptionBody(Sample());
    const QByteArray good = SignDescription(body, k.sk);
    QByteArray flipped = good;
    flipped.replace("Version=3.26", "Version=9.26");
    QByteArray hashSwapped = good;
    hashSwapped.replace(Sha256Of("new").toHex(), Sha256Of("evil").toHex());
    QByteArray badSig = good;
    const qsizetype sigAt = badSig.indexOf("Ed25519=") + 8;
    badSig[sigAt] = badSig[sigAt] == '0' ? '1' : '0';
    // Text added before the signature is signed text that changed; text after it is never read.
    const QByteArray prepended = "[File2]\nName=evil\nSize=1\nSHA256=" + Sha256Of("x").toHex() + "\n" + good;
    const QByteArray secondSignature = good + "[Signature]\nEd25519=" + QByteArray(128, '0') + "\n";

    const struct {
        const char *what;
        QByteArray bytes;
        QByteArray key;
        EDescriptionCheck expected;
    } cases[] = {
        {"no signature", body, k.pk, EDescriptionCheck::Unsigned},
        {"empty file", QByteArray(), k.pk, EDescriptionCheck::Unsigned},
        {"empty signature", body + "[Signature]\nEd25519=\n", k.pk, EDescriptionCheck::Unsigned},
        {"version changed", flipped, k.pk, EDescriptionCheck::BadSignature},
        {"hash changed", hashSwapped, k.pk, EDescriptionCheck::BadSignature},
        {"signature changed", badSig, k.pk, EDescriptionCheck::BadSignature},
        {"signature too short", body + "[Signature]\nEd25519=abcd\n", k.pk, EDescriptionCheck::BadSignature},
        {"another key", good, other.pk, EDescriptionCheck::BadSignature},
        {"no key built in", good, QByteArray(), EDescriptionCheck::BadSignature},
        {"section put in front", prepended, k.pk, EDescriptionCheck::BadSignature},
        {"a second signature section", secondSignature, k.pk, EDescriptionCheck::BadSignature},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadSignedDescription(c.bytes, c.key).check, c.expected) << c.what;
}

TEST(UpdateDescription, SignedButUnusableContentIsMalformed)
{
    Keys k;
    const QByteArray hash = Sha256Of("x").toHex();
    const QByteArray bodies[] = {
        "[Update]\nApplication=a\n",                                         // no version
        "[Update]\nVersion=3.2x\n",                                          // not a number
        "Version=3.26\n",                                                    // key outside a section
        "[Update]\nVersion=3.26\n[File1]\nName=../x\nSize=1\nSHA256=" + hash + "\n", // a path, not a name
        "[Update]\nVersion=3.26\n[File1]\nName=a/b\nSize=1\nSHA256=" + hash + "\n",
        "[Update]\nVersion=3.26\n[File1]\nName=x\nSize=-1\nSHA256=" + hash + "\n",
        "[Update]\nVersion=3.26\n[File1]\nName=x\nSize=1\nSHA256=abc\n",
        "[Files\nName=x\n",
    };
    for (const QByteArray &b : bodies)
        EXPECT_EQ(ReadSignedDescription(SignDescription(b, k.sk), k.pk).check, EDescriptionCheck::Malformed)
            << b.constData();
}

TEST(UpdateDescription, VersionsCompareByNumberPartByPart)
{
    const struct {
        const char *a, *b;
        int sign;
    } cases[] = {
        {"3.26", "3.25", 1},    {"3.25", "3.25", 0}, {"3.25.0.0", "3.25", 0}, {"3.9", "3.25", -1},
        {"4", "3.99.9", 1},     {"3.25.0.1", "3.25", 1}, {"3.25", "0.0.0.0", 1}, {"abc", "0", 0},
        {"", "0.0.0.0", 0},
    };
    for (const auto &c : cases) {
        const int r = CompareVersionNumbers(QString::fromLatin1(c.a), QString::fromLatin1(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(UpdateDescription, BuiltInKeyIsAnEd25519PublicKey)
{
    EXPECT_EQ(BuiltInUpdatePublicKey().size(), 32);
}
