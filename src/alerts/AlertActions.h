#pragma once
// What the reminder window and the shutdown warning do to the task table, and the
// texts they read back from their fields. All statements run on ADO2; every
// database failure is swallowed and reported only as "the window stays open".
#include <QDateTime>
#include <QString>
#include <QStringList>

struct TAppContext;
class IMediaPlayer;

namespace Alerts {

inline const QString HintCaption = QStringLiteral("青雀日程助手提醒你");

// The twelve delays, "5分钟" to "1周", and their lengths in seconds (-1 outside 0..11).
QStringList DelayEntries();
qint64 DelaySeconds(int index);
// The moment a delay ends, by plain wall-clock arithmetic on now's date and time.
QDateTime DelayedMoment(const QDateTime &now, int index);

// The kind word found in a heading: 闹钟, 日程 or 计时 (tried in that order), else empty.
QString KindOfHeading(const QString &heading);
// The heading from its fifth character on.
QString TitleOfHeading(const QString &heading);
// The second line: calendar word + " " + due-time text.
QString SecondLine(const QString &calendar, const QString &dueText);
// The second line from its third character on: a blank, then the due-time text.
QString DueTextOfLine(const QString &secondLine);
// The countdown line of the shutdown warning.
QString ShutdownCountText(int counter);

// Starts an alert sound on the player: nothing when the file does not exist.
void StartAlertSound(IMediaPlayer *player, const QString &file);

// Reloads a kind's tab: the tab's own reload when one is set, else its row set.
void ReloadKindTab(TAppContext &ctx, int kindIndex);

// "完成": finishes a one-shot task and reloads the list and its kind's tab.
// True when the window may close (always for a recurring task).
bool FinishReminder(TAppContext &ctx, const QString &heading, const QString &id, const QString &xh);
// "延时": inserts a one-shot solar copy due after the chosen delay and, for a one-shot
// task, finishes the original, both in one transaction. True when the copy landed.
bool PostponeReminder(TAppContext &ctx, const QString &heading, const QString &content, const QString &id,
                      const QString &xh, int delayIndex);
// "修改": whether the task still exists (statement 11 on ADO2).
bool TaskExists(TAppContext &ctx, const QString &id);

// "取消关机" / the finishing step of "马上关机": finishes a one-shot shutdown task and
// reloads the list and the shutdown tab. True when the window may close.
bool FinishShutdown(TAppContext &ctx, const QString &id, const QString &xh);
// Saves the note, then starts the shutdown script of the program folder.
void RunShutdown(TAppContext &ctx);
// "延时" of the warning: a one-shot 关机 copy without content, as PostponeReminder.
bool PostponeShutdown(TAppContext &ctx, const QString &heading, const QString &id, const QString &xh,
                      int delayIndex);

} // namespace Alerts
