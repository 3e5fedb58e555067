#include "settings/FontConfig.h"

#include "mainwindow/IniFile.h"

#include <QStringList>

QString FontConfigPath(const QString &programDir)
{
    return programDir + QStringLiteral("Config/FontConfig.ini");
}

QString ReadFontConfig(const QString &programDir, const QString &section, const QString &key)
{
    return IniFile::Read(FontConfigPath(programDir), section, key, QString());
}

bool WriteFontConfig(const QString &programDir, const QString &section, const QString &key, const QString &value)
{
    return IniFile::Write(FontConfigPath(programDir), section, key, value);
}

FontStyles ParseFontStyle(const QString &value)
{
    FontStyles s;
    s.bold = value.contains(QLatin1String("fsBold"));
    s.italic = value.contains(QLatin1String("fsItalic"));
    s.underline = value.contains(QLatin1String("fsUnderline"));
    s.strikeOut = value.contains(QLatin1String("fsStrikeOut"));
    return s;
}

QString FontStyleText(const FontStyles &s)
{
    QStringList names;
    if (s.bold)
        names << QStringLiteral("fsBold");
    if (s.italic)
        names << QStringLiteral("fsItalic");
    if (s.underline)
        names << QStringLiteral("fsUnderline");
    if (s.strikeOut)
        names << QStringLiteral("fsStrikeOut");
    return names.join(QLatin1Char(','));
}
