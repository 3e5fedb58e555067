#pragma once
// One scheduler per program folder and user: a second start hands over to the
// running one (which comes to the front) and ends.
#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &programDir, QObject *parent = nullptr);
    // True when another instance answered: it has been asked to show itself.
    bool notifyRunning();
    // Starts answering later starts; false when the name could not be taken.
    bool listen();
    QString serverName() const { return m_name; }

signals:
    void activationRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
