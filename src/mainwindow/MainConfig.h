#pragma once
// Config/MainConfig.ini and the start-up variables of the main unit filled from it.
#include <QString>

QString MainConfigPath(const QString &programDir);
QString ReadMainConfig(const QString &programDir, const QString &section, const QString &key,
                       const QString &defaultValue);
bool WriteMainConfig(const QString &programDir, const QString &section, const QString &key,
                     const QString &value);

// Vendor addresses; the hosts are ours to choose, the paths are fixed.
namespace Vendor {
inline const QString Site = QStringLiteral("http://www.corvinasoft.cn");
inline const QString SecondSite = QStringLiteral("http://hao.corvinasoft.cn");
inline const QString SupportMail = QStringLiteral("support@corvinasoft.cn");
inline const QString SignUpPath = QStringLiteral("/do/reg.php");
inline const QString ShowcasePath = QStringLiteral("/jpzt");
inline const QString HelpPath = QStringLiteral("/html/5special1/show1.htm");
} // namespace Vendor

struct TMainVars {
    QString ProgramDir; // with a trailing "/"
    QString ClockMusicFile;
    QString OffMusicFile;
    QString SkinDir;
    bool AutorunOn = false;
    bool ChimeOn = true;
    bool CloseExits = true;
    QString StyleName; // [System] Style, for the skin manager
    QString HomePageUrl;
    QString SecondSiteUrl;
    QString SupportMail;
    QString FeedbackPageUrl;
    QString SecondMail;
    QString LoginPageUrl;
    QString SignUpPageUrl;
    QString ShowcasePageUrl;
    QString HelpPageUrl;
    QString VersionText;
    bool StartupShown = false;
};

// Fills the variables from MainConfig.ini with every default (start-up steps 5 to 8).
TMainVars LoadMainVars(const QString &programDir);
