#pragma once
// AD/Config.ini: the addresses of every web panel, read once at start-up.
// The program never writes this file; a missing file or key gives the default.
#include <QString>

struct TAdConfig {
    // [Mainad]
    QString Allad1url;  // the banner
    QString Allad2url;  // the 185 x 80 panel of all six tabs
    QString mainad1url;
    QString mainad2url;
    QString mainad3url;
    // [Todayad]
    QString Todayad1url; // also the reminder, the shutdown warning and the note's lower panel
    QString Todayad2url;
    QString Todayad3url;
    QString Todayformurl; // the note's upper strip
    // [Clockad]
    QString Clockad1url;
    QString Clockad2url;
    QString Clockad3url;
    // [Timedownad]
    QString Timedownad1url;
    QString Timedownad2url;
    QString Timedownad3url;
    // [Exead]
    QString Exead1url;
    QString Exead2url;
    QString Exead3url;
    // [Offad]
    QString Offad1url;
    QString Offad2url;
    QString Offad3url;
};

struct TAdKey {
    const char *section;
    const char *key;
    const char *defaultPath; // appended to the vendor's site
    QString TAdConfig::*field;
};
// The twenty-one keys in file order.
extern const TAdKey AdKeys[21];

QString AdConfigPath(const QString &programDir);
// Every key with its default; reads the file once per key and never creates it.
TAdConfig ReadAdConfig(const QString &programDir);
// All defaults, as with no file at all.
TAdConfig DefaultAdConfig();

// The folder of the local fallback pages, with a trailing "/".
QString AdsDir(const QString &programDir);
