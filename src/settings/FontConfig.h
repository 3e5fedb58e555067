#pragma once
// Config/FontConfig.ini: the desktop note's text font and its three heights.
#include <QString>

QString FontConfigPath(const QString &programDir);
// Empty text when the file, section or key is missing.
QString ReadFontConfig(const QString &programDir, const QString &section, const QString &key);
bool WriteFontConfig(const QString &programDir, const QString &section, const QString &key, const QString &value);

struct FontStyles {
    bool bold = false, italic = false, underline = false, strikeOut = false;
    bool operator==(const FontStyles &) const = default;
};
// Each name found anywhere in the value sets its style.
FontStyles ParseFontStyle(const QString &value);
// The names of the set styles, joined by ",", empty when none.
QString FontStyleText(const FontStyles &s);

// The 32-bit colour number: red in the lowest byte, then green, then blue.
inline int ColorNumber(int r, int g, int b) { return r | (g << 8) | (b << 16); }
