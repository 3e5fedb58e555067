#include "info/VersionInfo.h"

QString VersionTextOf(std::optional<quint32> fileVersionMS)
{
    if (!fileVersionMS)
        return QStringLiteral("0.0.0.0");
    return QStringLiteral("%1.%2").arg(*fileVersionMS >> 16).arg(*fileVersionMS & 0xFFFFu);
}

QString VersionText()
{
#if defined(CORVINA_VERSION_MAJOR) && defined(CORVINA_VERSION_MINOR)
    return VersionTextOf((quint32(CORVINA_VERSION_MAJOR & 0xFFFF) << 16) | quint32(CORVINA_VERSION_MINOR & 0xFFFF));
#else
    return VersionTextOf(std::nullopt);
#endif
}
