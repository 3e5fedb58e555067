#include "webpanels/WebEngineSetup.h"

#include <QCoreApplication>
#include <QList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QByteArray WebEngineChromiumFlags(const QByteArray &existing, bool runningAsRoot)
{
    QList<QByteArray> flags = existing.simplified().split(' ');
    flags.removeAll(QByteArray());
    auto add = [&flags](const QByteArray &flag) {
        const QByteArray name = flag.left(flag.indexOf('=') < 0 ? flag.size() : flag.indexOf('='));
        for (const QByteArray &f : flags)
            if (f == name || f.startsWith(name + '='))
                return; // the user's own choice wins
        flags.append(flag);
    };
    // Twenty-seven small pages of one vendor: one renderer holds them all.
    add("--renderer-process-limit=1");
    add("--process-per-site");
    if (runningAsRoot)
        add("--no-sandbox");
    return flags.join(' ');
}

void PrepareWebEngine()
{
    static bool flagsSet = false;
    if (!QCoreApplication::instance())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (flagsSet)
        return;
    flagsSet = true;
    bool root = false;
#ifdef Q_OS_UNIX
    root = ::geteuid() == 0;
#endif
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", WebEngineChromiumFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), root));
    if (root)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
