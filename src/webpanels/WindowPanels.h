#pragma once
// The panels of the reminder window, the shutdown warning and the desktop note.
#include "webpanels/AdConfig.h"

#include <QObject>

class WebPanel;

namespace AdPages {
inline const QString Alert = QStringLiteral("TJ468X60_8.html");     // reminder and shutdown warning
inline const QString NoteLower = QStringLiteral("TJ468X60_9.html"); // the note's lower panel
inline const QString NoteUpper = QStringLiteral("TJ360X30.html");   // the note's upper strip
} // namespace AdPages

inline constexpr int NoteRefreshIntervalMs = 3600000;

// The strip of the reminder window or the shutdown warning: address Todayad1url,
// silent, and on a navigation error its own local page when that file exists.
// The window navigates it (NavigateToAddress) each time it is shown.
WebPanel *MakeAlertWebPanel(const QString &programDir, const TAdConfig &ad, QObject *parent);

// The desktop note's two panels. They are never silent. The lower panel's
// completed top document starts webTimer (while NoteWebRefreshOn), which reloads
// both; an error of the upper strip clears the flag and sends both to their pages.
class TNoteWebPanels : public QObject {
    Q_OBJECT
public:
    TNoteWebPanels(const QString &programDir, const TAdConfig &ad, QObject *parent = nullptr);

    bool NoteWebRefreshOn = true;
    WebPanel *WebBrowser1 = nullptr; // lower panel, Todayad1url
    WebPanel *WebBrowser2 = nullptr; // upper strip, Todayformurl

    // When the note is created: both panels to their addresses.
    void NavigateAll();
    void WebBrowser2NavigateError();
};
