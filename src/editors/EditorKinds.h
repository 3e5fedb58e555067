#pragma once
// The five task editors share one dialog; everything in which they differ is this table.
#include <QSize>
#include <QString>

enum class EditorContentRow {
    Memo,        // Memo1 holds taskmemo
    ProgramPath, // sEdit2 holds the program path, plus the show-mode row
    None         // no content is ever written
};

enum class EditorSoundRow {
    None,
    MediaPlayer, // preview on MediaPlayer1; a pick also replaces ClockMusicFile at once
    Wave         // fire-and-forget wave preview; a pick only writes the settings key
};

enum class EditorTabReload {
    Reopen,     // reopen the tab's row set under its current filter
    ListActive  // resfgriddata(0, kind): list the active tasks and set the buttons
};

struct EditorKind {
    const char *className;   // TClockForm ...
    const char *objectName;  // ClockForm ...
    int kindIndex;           // Vocab::KindIndex
    const char16_t *kindWord;
    const char16_t *designTitle; // never shown: every opener sets the mode title
    const char16_t *newTitle;
    const char16_t *changeTitle;
    unsigned repeatButtons;  // bit i set: sRadioButton(i+1) is offered
    EditorContentRow content;
    EditorSoundRow sound;
    const char16_t *fileFilter; // OpenDialog1's filter; nullptr offers every file
    EditorTabReload tabReload;
    QSize clientSize;

    QString kind() const { return QString::fromUtf16(kindWord); }
    QString newCaption() const { return QString::fromUtf16(newTitle); }
    QString changeCaption() const { return QString::fromUtf16(changeTitle); }
    bool offersRepeat(int code) const { return code >= 1 && code <= 6 && (repeatButtons >> (code - 1)) & 1u; }
    bool hasSoundRow() const { return sound != EditorSoundRow::None; }
};

namespace EditorKinds {
// All five, in the order alarm, schedule, countdown, program, shutdown.
const EditorKind *begin();
const EditorKind *end();
// By kind index (0 日程 .. 4 计时) or kind word; nullptr when unknown.
const EditorKind *forIndex(int kindIndex);
const EditorKind *forKind(const QString &kindWord);
} // namespace EditorKinds
