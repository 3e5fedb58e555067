#include "mainwindow/IniFile.h"

#include "mainwindow/TextCodec.h"

#include <QFile>
#include <QStringView>
#include <QVector>

namespace {

struct Line {
    QString text;   // without its line ending
    QString ending; // "\r\n", "\n", "\r" or "" for the last line
};

struct Parsed {
    QVector<Line> lines;
    TextEncoding encoding = TextEncoding::Utf8;
};

Parsed parse(const QByteArray &bytes)
{
    Parsed p;
    const DecodedText dec = DecodeText(bytes);
    p.encoding = dec.encoding;
    const QString &t = dec.text;
    qsizetype start = 0;
    const qsizetype n = t.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && t[i] != QLatin1Char('\n') && t[i] != QLatin1Char('\r'))
            ++i;
        Line line{t.mid(start, i - start), {}};
        if (i < n) {
            if (t[i] == QLatin1Char('\r') && i + 1 < n && t[i + 1] == QLatin1Char('\n')) {
                line.ending = QStringLiteral("\r\n");
                i += 2;
            } else {
                line.ending = t[i];
                i += 1;
            }
        }
        p.lines << line;
        start = i;
    }
    return p;
}

// "[name]" → name; empty optional otherwise.
bool sectionName(const QString &line, QStringView &name)
{
    const QStringView v = QStringView(line).trimmed();
    if (v.size() < 2 || v.front() != QLatin1Char('[') || v.back() != QLatin1Char(']'))
        return false;
    name = v.mid(1, v.size() - 2).trimmed();
    return true;
}

bool keyValue(const QString &line, QStringView &key, QStringView &value)
{
    const QStringView v = QStringView(line).trimmed();
    if (v.isEmpty() || v.front() == QLatin1Char(';') || v.front() == QLatin1Char('#'))
        return false;
    const qsizetype eq = v.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    key = v.left(eq).trimmed();
    value = v.mid(eq + 1).trimmed();
    return true;
}

struct Location {
    int sectionLine = -1; // index of the section header
    int lastLine = -1;    // last non-blank line of the section
    int keyLine = -1;     // first line holding the key
};

Location locate(const QVector<Line> &lines, const QString &section, const QString &key)
{
    Location loc;
    bool inside = false;
    for (int i = 0; i < lines.size(); ++i) {
        QStringView name, k, v;
        if (sectionName(lines[i].text, name)) {
            if (inside)
                break; // the first matching section is the one that counts
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                inside = true;
                loc.sectionLine = loc.lastLine = i;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!QStringView(lines[i].text).trimmed().isEmpty())
            loc.lastLine = i;
        if (loc.keyLine < 0 && keyValue(lines[i].text, k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            loc.keyLine = i;
    }
    return loc;
}

} // namespace

namespace IniFile {

QString Read(const QString &path, const QString &section, const QString &key, const QString &defaultValue)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return defaultValue;
    const Parsed p = parse(f.readAll());
    const Location loc = locate(p.lines, section, key);
    if (loc.keyLine < 0)
        return defaultValue;
    QStringView k, v;
    keyValue(p.lines[loc.keyLine].text, k, v);
    return v.toString();
}

bool Write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    QByteArray bytes;
    {
        QFile f(path);
        if (f.exists()) {
            if (!f.open(QIODevice::ReadOnly))
                return false;
            bytes = f.readAll();
        }
    }
    Parsed p = parse(bytes);
    // New lines follow the file's own line ending; a new file gets the Windows one.
    QString eol = QStringLiteral("\r\n");
    for (const Line &l : p.lines)
        if (!l.ending.isEmpty()) {
            eol = l.ending;
            break;
        }
    // A value cannot hold a line break in an INI file: it would become a line of its own.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));

    const Location loc = locate(p.lines, section, key);
    if (loc.keyLine >= 0) {
        QStringView k, v;
        keyValue(p.lines[loc.keyLine].text, k, v);
        p.lines[loc.keyLine].text = k.toString() + QLatin1Char('=') + flat;
    } else if (loc.sectionLine >= 0) {
        Line &last = p.lines[loc.lastLine];
        if (last.ending.isEmpty())
            last.ending = eol;
        p.lines.insert(loc.lastLine + 1, Line{key + QLatin1Char('=') + flat, eol});
    } else {
        if (!p.lines.isEmpty() && p.lines.back().ending.isEmpty())
            p.lines.back().ending = eol;
        p.lines << Line{QLatin1Char('[') + section + QLatin1Char(']'), eol};
        p.lines << Line{key + QLatin1Char('=') + flat, eol};
    }
    QString out;
    for (const Line &l : p.lines)
        out += l.text + l.ending;
    return SaveFileAtomically(path, EncodeText(out, p.encoding));
}

} // namespace IniFile
