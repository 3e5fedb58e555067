#include "webpanels/AdConfig.h"

#include "mainwindow/IniFile.h"
#include "mainwindow/MainConfig.h"

const TAdKey AdKeys[21] = {
    {"Mainad", "Allad1url", "/corvina/gg468X15.html", &TAdConfig::Allad1url},
    {"Mainad", "Allad2url", "/corvina/baidu185X80.html", &TAdConfig::Allad2url},
    {"Mainad", "mainad1url", "/corvina/sy468x60.htm", &TAdConfig::mainad1url},
    {"Mainad", "mainad2url", "/corvina/sy185x135.htm", &TAdConfig::mainad2url},
    {"Mainad", "mainad3url", "/corvina/sy153x60.htm", &TAdConfig::mainad3url},
    {"Todayad", "Todayad1url", "/corvina/jrrc468x60.htm", &TAdConfig::Todayad1url},
    {"Todayad", "Todayad2url", "/corvina/jrrc185x135.htm", &TAdConfig::Todayad2url},
    {"Todayad", "Todayad3url", "/corvina/jrrc153x60.htm", &TAdConfig::Todayad3url},
    {"Todayad", "Todayformurl", "/corvina/baidu360X30.html", &TAdConfig::Todayformurl},
    {"Clockad", "Clockad1url", "/corvina/nzrw468x60.htm", &TAdConfig::Clockad1url},
    {"Clockad", "Clockad2url", "/corvina/nzrw185x135.htm", &TAdConfig::Clockad2url},
    {"Clockad", "Clockad3url", "/corvina/nzrw153x60.htm", &TAdConfig::Clockad3url},
    {"Timedownad", "Timedownad1url", "/corvina/djs468x60.htm", &TAdConfig::Timedownad1url},
    {"Timedownad", "Timedownad2url", "/corvina/djs185x135.htm", &TAdConfig::Timedownad2url},
    {"Timedownad", "Timedownad3url", "/corvina/djs153x60.htm", &TAdConfig::Timedownad3url},
    {"Exead", "Exead1url", "/corvina/zxcx468x60.htm", &TAdConfig::Exead1url},
    {"Exead", "Exead2url", "/corvina/zxcx185x135.htm", &TAdConfig::Exead2url},
    {"Exead", "Exead3url", "/corvina/zxcx153x60.htm", &TAdConfig::Exead3url},
    {"Offad", "Offad1url", "/corvina/dsgj468x60.htm", &TAdConfig::Offad1url},
    {"Offad", "Offad2url", "/corvina/dsgj185x135.htm", &TAdConfig::Offad2url},
    {"Offad", "Offad3url", "/corvina/dsgj153x60.htm", &TAdConfig::Offad3url},
};

QString AdConfigPath(const QString &programDir)
{
    return programDir + QStringLiteral("AD/Config.ini");
}

QString AdsDir(const QString &programDir)
{
    return programDir + QStringLiteral("AD/Ads/");
}

TAdConfig DefaultAdConfig()
{
    TAdConfig c;
    for (const TAdKey &k : AdKeys)
        c.*k.field = Vendor::Site + QString::fromLatin1(k.defaultPath);
    return c;
}

TAdConfig ReadAdConfig(const QString &programDir)
{
    const QString path = AdConfigPath(programDir);
    TAdConfig c;
    for (const TAdKey &k : AdKeys)
        c.*k.field = IniFile::Read(path, QString::fromLatin1(k.section), QString::fromLatin1(k.key),
                                   Vendor::Site + QString::fromLatin1(k.defaultPath));
    return c;
}
