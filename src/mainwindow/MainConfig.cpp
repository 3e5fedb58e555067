#include "mainwindow/MainConfig.h"

#include "mainwindow/IniFile.h"

QString MainConfigPath(const QString &programDir)
{
    return programDir + QStringLiteral("Config/MainConfig.ini");
}

QString ReadMainConfig(const QString &programDir, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    return IniFile::Read(MainConfigPath(programDir), section, key, defaultValue);
}

bool WriteMainConfig(const QString &programDir, const QString &section, const QString &key, const QString &value)
{
    return IniFile::Write(MainConfigPath(programDir), section, key, value);
}

TMainVars LoadMainVars(const QString &programDir)
{
    TMainVars v;
    v.ProgramDir = programDir;
    auto read = [&](const char *section, const char *key, const QString &def) {
        return ReadMainConfig(programDir, QString::fromLatin1(section), QString::fromLatin1(key), def);
    };
    const QString zero = QStringLiteral("0");

    v.ClockMusicFile = read("Music", "ClockMusic", {});
    if (v.ClockMusicFile.isEmpty())
        v.ClockMusicFile = programDir + QStringLiteral("Music/defult.wav");
    v.OffMusicFile = read("Music", "OffMusic", {});
    if (v.OffMusicFile.isEmpty())
        v.OffMusicFile = programDir + QStringLiteral("Music/Off.wav");

    // The flags compare with "0" exactly.
    v.AutorunOn = read("System", "Autorun", QStringLiteral("1")) == zero;
    v.ChimeOn = read("System", "Clocktype", zero) == zero;
    v.CloseExits = read("System", "Closetype", zero) == zero;

    v.HomePageUrl = read("Url", "mianweb", Vendor::Site);
    v.SecondSiteUrl = read("Url", "cweb", Vendor::SecondSite);
    v.SupportMail = read("Url", "servermail", Vendor::SupportMail);
    v.FeedbackPageUrl = read("Url", "serverweb", Vendor::Site);
    v.SecondMail = read("Url", "smail", Vendor::SupportMail);
    v.LoginPageUrl = read("Url", "loginweb", Vendor::Site);
    v.SignUpPageUrl = Vendor::Site + Vendor::SignUpPath;
    v.ShowcasePageUrl = Vendor::Site + Vendor::ShowcasePath;
    v.HelpPageUrl = Vendor::Site + Vendor::HelpPath;

    v.SkinDir = programDir + QStringLiteral("Skin/");
    v.StyleName = read("System", "Style", QStringLiteral("beijing"));
    return v;
}
