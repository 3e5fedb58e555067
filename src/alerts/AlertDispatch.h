#pragma once
// showhint: raises a due task to the user. A fresh reminder window per reminder;
// the one shutdown warning for shutdowns. The sound starts before the window
// shows; the window is modal (exec), so the timers keep ticking and later alerts
// open on top. A shutdown alert that comes while the warning is counting down
// waits until that countdown has ended and the warning is closed.
#include <QObject>
#include <QString>
#include <QVector>

struct TAppContext;
class THintForm;
class TOffHintForm;
class QWidget;

class TAlertDispatch : public QObject {
    Q_OBJECT
public:
    TAlertDispatch(TAppContext &ctx, QWidget *windowParent);

    void showhint(const QString &ttop, const QString &ttype, const QString &ttime, const QString &tmemo,
                  const QString &tid, const QString &txh, bool off);

    TOffHintForm *OffHintForm() const { return m_off; }
    int queuedShutdowns() const { return int(m_queue.size()); }

signals:
    // A new reminder window, filled, about to be shown modally (tests drive it from here).
    void reminderCreated(THintForm *form);

private:
    struct Alert {
        QString ttop, ttype, ttime, tmemo, tid, txh;
    };
    void showOff(const Alert &a);
    void showNextQueued();

    TAppContext &m_ctx;
    QWidget *m_parent;
    TOffHintForm *m_off;
    QVector<Alert> m_queue;
};
