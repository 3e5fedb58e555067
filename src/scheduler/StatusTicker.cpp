#include "scheduler/StatusTicker.h"

#include "alerts/MediaPlayer.h"
#include "data/TaskVocabulary.h"

#include <QFileInfo>

QString DurationText(qint64 ms)
{
    constexpr qint64 Day = 86400000, Hour = 3600000, Minute = 60000, Second = 1000;
    // Truncating division and remainder, as the counts were always formed.
    const qint64 days = ms / Day;
    qint64 rest = ms % Day;
    const qint64 hours = rest / Hour;
    rest %= Hour;
    const qint64 minutes = rest / Minute;
    rest %= Minute;
    const qint64 seconds = rest / Second;

    QString text;
    auto unit = [&text](qint64 n, const QString &word) {
        if (n >= 0)
            text += QString::number(n) + word;
    };
    unit(days, QStringLiteral("天"));
    unit(hours, QStringLiteral("小时"));
    unit(minutes, QStringLiteral("分"));
    unit(seconds, QStringLiteral("秒"));
    return text;
}

namespace StatusTicker {

QString NowText(const QDateTime &now)
{
    return QStringLiteral("现在时间:") + Vocab::DateText(now.date()) + QLatin1Char(' ') + Vocab::TimeText(now.time());
}

QString UptimeText(qint64 millisecondsSinceBoot)
{
    return QStringLiteral("系统已运行：") + DurationText(millisecondsSinceBoot);
}

QString TaskCountText(int activeTaskCount)
{
    return QStringLiteral("最近任务数量:") + QString::number(activeTaskCount) + QStringLiteral(" 个");
}

QString ChimeFile(const QString &programDir, const QDateTime &now, bool chimeOn)
{
    const QTime t = now.time();
    if (!chimeOn || t.minute() != 0 || t.second() != 0)
        return {};
    return programDir + QStringLiteral("Music/Time/") + QString::number(t.hour()) + QStringLiteral(".mp3");
}

bool HourlyChime(IMediaPlayer *player, const QString &programDir, const QDateTime &now, bool chimeOn)
{
    const QString file = ChimeFile(programDir, now, chimeOn);
    if (file.isEmpty() || !player || !QFileInfo(file).isFile())
        return false;
    player->Close();
    player->setFileName(file);
    player->Open();
    player->Play();
    return true;
}

} // namespace StatusTicker
