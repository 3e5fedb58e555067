#pragma once
// Reading and writing user text files in the encoding they came in.
#include <QByteArray>
#include <QString>

enum class TextEncoding { Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom, Gb18030 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Byte-order mark first, then UTF-8 when the bytes are valid UTF-8, else GB18030
// (the Chinese ANSI code page of files carried over from Windows).
DecodedText DecodeText(const QByteArray &bytes);
QByteArray EncodeText(const QString &text, TextEncoding encoding);
// Writes atomically (a crash leaves the old file or the new one); creates the folder.
bool SaveFileAtomically(const QString &path, const QByteArray &bytes);
