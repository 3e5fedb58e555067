#include "settings/SkinManager.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const char *const kInternal[] = {"Air", "Beijing", "UnderWater", "Vista", "WLM", "WMP11"};
const QString kSuffix = QStringLiteral(" (internal)");

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Pictures a skin names by relative path lie beside its sheet.
QString resolveUrls(QString text, const QString &folder)
{
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*["']?(?![a-zA-Z]+:|/|:)([^"')]+)["']?\s*\))"));
    return text.replace(url, QStringLiteral("url(\"%1\\1\")").arg(folder));
}

// Exact name first; the file system of Windows also finds it without regard to case.
QString findEntry(const QDir &dir, const QString &name, QDir::Filters filters)
{
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    for (const QString &e : dir.entryList(filters))
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(e);
    return {};
}
} // namespace

TSkinManager::TSkinManager(QObject *parent) : QObject(parent) {}

QStringList TSkinManager::InternalSkinNames()
{
    QStringList l;
    for (const char *n : kInternal)
        l << QString::fromLatin1(n) + kSuffix;
    return l;
}

QString TSkinManager::SkinText(const QString &skinDir, const QString &name, bool *found)
{
    if (found)
        *found = false;
    if (name.trimmed().isEmpty())
        return {};
    const QDir dir(skinDir);
    if (!skinDir.isEmpty() && !name.endsWith(kSuffix)) {
        const QString file = findEntry(dir, name + QStringLiteral(".qss"), QDir::Files);
        if (!file.isEmpty()) {
            if (found)
                *found = true;
            return resolveUrls(readText(file), QFileInfo(file).absolutePath() + QLatin1Char('/'));
        }
        const QString folder = findEntry(dir, name, QDir::Dirs | QDir::NoDotAndDotDot);
        if (!folder.isEmpty()) {
            const QDir sub(folder);
            QString sheet = findEntry(sub, name + QStringLiteral(".qss"), QDir::Files);
            if (sheet.isEmpty())
                sheet = findEntry(sub, QStringLiteral("skin.qss"), QDir::Files);
            if (sheet.isEmpty()) {
                const QStringList all = sub.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name);
                if (!all.isEmpty())
                    sheet = sub.filePath(all.first());
            }
            if (!sheet.isEmpty()) {
                if (found)
                    *found = true;
                return resolveUrls(readText(sheet), sub.absolutePath() + QLatin1Char('/'));
            }
        }
    }
    // The built-in skin of that name, by its own name or the stored one.
    QString base = name.endsWith(kSuffix) ? name.chopped(kSuffix.size()) : name;
    for (const char *n : kInternal)
        if (base.compare(QString::fromLatin1(n), Qt::CaseInsensitive) == 0) {
            const QString text = readText(QStringLiteral(":/skins/%1.qss").arg(QString::fromLatin1(n)));
            if (found)
                *found = !text.isEmpty();
            return text;
        }
    return {};
}

void TSkinManager::setSkinName(const QString &name)
{
    m_name = name;
    m_text = SkinText(SkinDirectory, name, &m_found);
    apply();
}

void TSkinManager::setActive(bool on)
{
    m_active = on;
    if (!on && qApp)
        qApp->setStyleSheet(QString());
    apply();
}

void TSkinManager::apply()
{
    if (!m_active || !qApp)
        return;
    // One sheet on the application reaches every window, open dialogs included.
    qApp->setStyleSheet(m_text);
    // Style sheets cannot colour rich-text links; a skin names its link colour in a comment.
    static const QRegularExpression linkRule(QStringLiteral("/\\*\\s*link-color:\\s*(#[0-9a-fA-F]{6})\\s*\\*/"));
    const QRegularExpressionMatch m = linkRule.match(m_text);
    QPalette p = qApp->palette();
    p.setColor(QPalette::Link, m.hasMatch() ? QColor(m.captured(1)) : QApplication::style()->standardPalette().color(QPalette::Link));
    qApp->setPalette(p);
}
