#pragma once
// The desktop ending the session may simply send SIGTERM (or SIGHUP when the terminal
// goes); turn those into a Qt signal on the UI thread so the program ends through its
// own quit routine. Nothing on Windows, where the session end arrives as a message.
#include <QObject>

class QSocketNotifier;

class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject *parent = nullptr);
    ~EndSignals() override;

signals:
    void endRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
