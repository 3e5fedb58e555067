#include "note/TodayNote.h"

#include <QFile>

NoteHeights FitNoteHeight(int displayLines, int pointSize)
{
    NoteHeights h;
    h.memo = displayLines == 0 ? 2 * pointSize : displayLines * (pointSize + 6) + 2 * pointSize;
    h.panel = h.memo + 30;
    h.form = h.panel + 173;
    return h;
}

QStringList DesignNoteLines()
{
    return {
        QStringLiteral("青雀日程助手欢迎您！"),
        QString(),
        QStringLiteral("使用说明："),
        QStringLiteral("1、您可在本窗口直接书写今日日程记录；"),
        QStringLiteral("2、书写完毕后软件自动保存！"),
        QStringLiteral("3、鼠标右键点击可打开设置窗口"),
        QStringLiteral("4、可以在此设置面板风格！"),
        QStringLiteral("5、鼠标右键点击弹出窗口"),
        QStringLiteral("6、选择【关闭显示】可以关闭本窗口"),
    };
}

QString TodayTextPath(const QString &programDir)
{
    return programDir + QStringLiteral("Config/Today.txt");
}

TodayText ReadTodayText(const QString &programDir)
{
    TodayText t;
    QFile f(TodayTextPath(programDir));
    if (!f.open(QIODevice::ReadOnly))
        return t;
    const DecodedText dec = DecodeText(f.readAll());
    t.found = true;
    t.encoding = dec.encoding;
    QString s = dec.text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // The break after the last line ends it; it does not start another one.
    if (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    t.text = s;
    return t;
}

bool WriteTodayText(const QString &programDir, const QString &text, TextEncoding encoding)
{
    QString out;
    if (!text.isEmpty()) {
        QString s = text;
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        out = s.split(QLatin1Char('\n')).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }
    return SaveFileAtomically(TodayTextPath(programDir), EncodeText(out, encoding));
}

int NoteSettingNumber(const QString &value)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok, 10);
    return ok ? n : 1;
}
