#pragma once
// The skin manager: a skin is a Qt style sheet for the whole program, found by
// its name in the skin folder ("<name>.qss", or a folder "<name>/" holding one),
// else among the six built in ("Air (internal)" ...). Setting a name re-skins
// every window at once.
#include <QObject>
#include <QString>
#include <QStringList>

class TSkinManager : public QObject {
    Q_OBJECT
public:
    explicit TSkinManager(QObject *parent = nullptr);

    QString SkinDirectory;
    QString SkinName() const { return m_name; }
    bool Active() const { return m_active; }

    // Loads the named skin and, when active, puts it on every window.
    void setSkinName(const QString &name);
    void setActive(bool on);
    // False when the name was empty or found nowhere (the program then shows no skin).
    bool skinFound() const { return m_found; }

    // The style sheet of a skin name, empty when it is found nowhere.
    static QString SkinText(const QString &skinDir, const QString &name, bool *found = nullptr);
    static QStringList InternalSkinNames();

private:
    void apply();
    QString m_name;
    QString m_text;
    bool m_found = false;
    bool m_active = false;
};
