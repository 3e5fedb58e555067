#include "mainwindow/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>


DecodedText DecodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {QString::fromUtf8(bytes.mid(3)), TextEncoding::Utf8Bom};
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder dec(QStringDecoder::Utf16LE);
        return {dec.decode(bytes.mid(2)), TextEncoding::Utf16LeBom};
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder dec(QStringDecoder::Utf16BE);
        return {dec.decode(bytes.mid(2)), TextEncoding::Utf16BeBom};
    }
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes); // decoding happens on conversion; only then is hasError() known
        if (!utf8.hasError())
            return {text, TextEncoding::Utf8};
    }
    QStringDecoder gb("GB18030");
    if (gb.isValid())
        return {gb.decode(bytes), TextEncoding::Gb18030};
    return {QString::fromUtf8(bytes), TextEncoding::Utf8}; // no converter: keep what UTF-8 can read
}

QByteArray EncodeText(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return text.toUtf8();
    case TextEncoding::Utf8Bom: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LeBom: {
        QStringEncoder enc(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE") + QByteArray(enc.encode(text));
    }
    case TextEncoding::Utf16BeBom: {
        QStringEncoder enc(QStringEncoder::Utf16BE);
        return QByteArray("\xFE\xFF") + QByteArray(enc.encode(text));
    }
    case TextEncoding::Gb18030: {
        QStringEncoder enc("GB18030");
        if (enc.isValid())
            return enc.encode(text);
        return text.toUtf8();
    }
    }
    return text.toUtf8();
}

bool SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
