#pragma once
// The update description file on the vendor's site: a small INI text, signed.
//
//   [Update]
//   Application=青雀日程助手
//   Version=3.26
//   Date=2026-12-01 00:00:00
//   [File1]
//   Name=CorvinaDesktop.exe
//   Size=123456
//   SHA256=<64 hex digits>
//   [Signature]
//   Ed25519=<128 hex digits>
//
// The signature covers every byte before the line "[Signature]"; only those bytes are read,
// so nothing a network in between adds or changes can be taken for the vendor's word.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct TUpdateFileEntry {
    QString Name;
    qint64 Size = -1;
    QByteArray Sha256; // 32 raw bytes
};

struct TUpdateDescription {
    QString Application;
    QString Version;
    QString Date;
    QList<TUpdateFileEntry> Files;
    const TUpdateFileEntry *file(const QString &name) const;
};

enum class EDescriptionCheck { Ok, Unsigned, BadSignature, Malformed };

struct TDescriptionResult {
    EDescriptionCheck check = EDescriptionCheck::Malformed;
    TUpdateDescription description; // filled only when check is Ok
};

// Verifies the signature with the 32-byte Ed25519 public key, then reads the signed part.
TDescriptionResult ReadSignedDescription(const QByteArray &bytes, const QByteArray &publicKey);

// The signed part without its signature section, as the release tool writes it.
QByteArray DescriptionBody(const TUpdateDescription &d);
// Body plus the signature section; secretKey is libsodium's 64-byte signing key.
QByteArray SignDescription(const QByteArray &body, const QByteArray &secretKey);

// Ed25519 key pair from a 32-byte seed: {publicKey (32), secretKey (64)}; empty on failure.
std::pair<QByteArray, QByteArray> KeyPairFromSeed(const QByteArray &seed);
// A fresh random 32-byte seed.
QByteArray RandomSeed();

QByteArray Sha256Of(const QByteArray &bytes);

// True for dotted decimal numbers such as "3.25" or "3.25.0.0".
bool IsVersionNumber(const QString &v);
// Compares dotted decimal numbers part by part, missing parts counting as 0:
// negative, 0 or positive like strcmp. Texts that are no version numbers compare as 0.0.
int CompareVersionNumbers(const QString &a, const QString &b);

// The vendor's key built into this program (a build setting).
QByteArray BuiltInUpdatePublicKey();
