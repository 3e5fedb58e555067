#include "editors/EditorKinds.h"

#include "data/TaskVocabulary.h"

namespace {
constexpr unsigned AllSix = 0b111111;
constexpr unsigned OnceAndDaily = 0b000101;

const EditorKind kKinds[] = {
    {"TClockForm", "ClockForm", Vocab::TabAlarm, u"闹钟", u"闹钟设置", u"新建闹钟任务", u"修改闹钟任务", AllSix,
     EditorContentRow::Memo, EditorSoundRow::MediaPlayer, u"Wav音频文件 (*.Wav *.wav *.WAV)", EditorTabReload::Reopen,
     QSize(426, 286)},
    {"TTodaysetForm", "TodaysetForm", Vocab::TabSchedule, u"日程", u"今日日程设置", u"新建日程任务", u"修改日程任务",
     AllSix, EditorContentRow::Memo, EditorSoundRow::Wave, nullptr, EditorTabReload::Reopen, QSize(426, 286)},
    {"TTimeForm", "TimeForm", Vocab::TabCountdown, u"计时", u"倒计时设置", u"新建倒计时任务", u"修改倒计时任务",
     OnceAndDaily, EditorContentRow::Memo, EditorSoundRow::MediaPlayer, u"Wav音频文件 (*.Wav *.wav *.WAV)",
     EditorTabReload::ListActive, QSize(426, 286)},
    {"TExeForm", "ExeForm", Vocab::TabProgram, u"程序", u"执行程序设置", u"新建执行程序", u"修改执行程序", AllSix,
     EditorContentRow::ProgramPath, EditorSoundRow::None,
#ifdef Q_OS_WIN
     u"程序文件(*exe) (*.exe)",
#else
     nullptr, // programs carry no extension here
#endif
     EditorTabReload::Reopen, QSize(426, 286)},
    {"TOffForm", "OffForm", Vocab::TabShutdown, u"关机", u"定时关机设置", u"新建关机任务", u"修改关机任务", AllSix,
     EditorContentRow::None, EditorSoundRow::None, nullptr, EditorTabReload::Reopen, QSize(426, 177)},
};
} // namespace

namespace EditorKinds {

const EditorKind *begin() { return std::begin(kKinds); }
const EditorKind *end() { return std::end(kKinds); }

const EditorKind *forIndex(int kindIndex)
{
    for (const EditorKind &k : kKinds)
        if (k.kindIndex == kindIndex)
            return &k;
    return nullptr;
}

const EditorKind *forKind(const QString &kindWord)
{
    for (const EditorKind &k : kKinds)
        if (k.kind() == kindWord)
            return &k;
    return nullptr;
}

} // namespace EditorKinds
