#pragma once
// The desktop note's rules that need no window: its sizing rule, its text file
// and the numbers stored for its picture, mode and colour.
#include "mainwindow/TextCodec.h"

#include <QString>
#include <QStringList>

struct NoteHeights {
    int memo = 0;  // Memo1
    int panel = 0; // AdvSmoothPanel1
    int form = 0;  // the note window
};

// displayLines: lines as shown (a wrapped line counts once per display line, an
// empty last line not at all); pointSize: the text font's size in points.
NoteHeights FitNoteHeight(int displayLines, int pointSize);

// The nine lines the text box holds before any file is read.
QStringList DesignNoteLines();

QString TodayTextPath(const QString &programDir);

struct TodayText {
    bool found = false;   // false: no file (or unreadable); the note keeps what it shows
    QString text;         // lines joined by "\n"
    TextEncoding encoding = TextEncoding::Utf8;
};
TodayText ReadTodayText(const QString &programDir);
// Every line ended by CR LF, in the given encoding, replacing the file atomically.
bool WriteTodayText(const QString &programDir, const QString &text, TextEncoding encoding);

// [Today] values: a decimal number, else the default (1).
int NoteSettingNumber(const QString &value);

struct NoteSkin {
    const char *item;
    const char16_t *caption;
    const char *file; // under the program folder
};
struct NoteColour {
    const char *item;
    const char16_t *caption;
    int r, g, b;
};
inline constexpr NoteSkin NoteSkins[5] = {
    {"N15", u"开心佩珂", "Skin/pelko.png"},
    {"N16", u"白雪公主", "Skin/snowwhite.gif"},
    {"N17", u"时尚女孩", "Skin/girl.gif"},
    {"N18", u"漂亮宝贝", "Skin/baby.gif"},
    {"N20", u"铅笔", "Skin/Pencil.png"},
};
inline constexpr NoteColour NoteColours[7] = {
    {"N7", u"蓝色", 0, 78, 152},       {"N8", u"浅蓝色", 36, 181, 227}, {"N9", u"纯白色", 255, 255, 255},
    {"N10", u"淡黄色", 253, 242, 209}, {"N11", u"淡绿色", 180, 190, 141}, {"N12", u"草绿色", 145, 187, 49},
    {"N13", u"纯黑色", 0, 0, 0},
};
