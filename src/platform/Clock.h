#pragma once
// The one source of "now": injected everywhere, so no rule depends on the real time.
#include <QDateTime>

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public IClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock set by hand; tests and benchmarks move it.
class FixedClock final : public IClock {
public:
    explicit FixedClock(QDateTime t = {}) : m_now(std::move(t)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advanceSecs(qint64 s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now;
};
