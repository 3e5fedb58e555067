// Build-time tool: creates the empty task database from the committed schema.
// Usage: make_taskdb <schema.sql> <database file>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_taskdb <schema.sql> <database>\n");
        return 2;
    }
    QFile schema(QString::fromLocal8Bit(argv[1]));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString target = QString::fromLocal8Bit(argv[2]);
    const QString temp = target + QStringLiteral(".new");
    QFile::remove(temp);
    int rc = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(temp);
        if (!db.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError().text()));
            return 1;
        }
        QString text = QString::fromUtf8(schema.readAll());
        QStringList lines;
        for (const QString &l : text.split(QLatin1Char('\n')))
            if (!l.trimmed().startsWith(QLatin1String("--")))
                lines << l;
        for (const QString &stmt : lines.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
            if (stmt.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            if (!q.exec(stmt)) {
                std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
                rc = 1;
                break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    if (rc == 0) {
        QFile::remove(target);
        if (!QFile::rename(temp, target))
            rc = 1;
    }
    return rc;
}
