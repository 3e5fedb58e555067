#pragma once
// The status bar texts and the hourly chime of the main window's Timer1.
#include <QDateTime>
#include <QString>

class IMediaPlayer;

// A span of milliseconds as "<d>天<h>小时<m>分<s>秒". A unit whose number is negative
// is left out (a negative span drops the units its remainder makes negative).
QString DurationText(qint64 milliseconds);

namespace StatusTicker {

QString NowText(const QDateTime &now);             // "现在时间:" + date text + " " + time text
QString UptimeText(qint64 millisecondsSinceBoot);  // "系统已运行：" + DurationText
QString TaskCountText(int activeTaskCount);        // "最近任务数量:" + count + " 个"

// The chime file for this moment: ProgramDir + "Music/Time/<hour>.mp3" at minute 0,
// second 0 while the chime is on; empty at any other moment or with the chime off.
QString ChimeFile(const QString &programDir, const QDateTime &now, bool chimeOn);

// Plays the chime due at this moment on player (when both exist). The tick does not
// wait for the sound. True when a sound was started.
bool HourlyChime(IMediaPlayer *player, const QString &programDir, const QDateTime &now, bool chimeOn);

} // namespace StatusTicker
