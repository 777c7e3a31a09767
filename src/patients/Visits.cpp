#include "patients/Visits.h"

#include <QtNumeric>

#include "core/Fmt.h"

namespace orvex {

QString VisitsSql(int pid) {
    return QStringLiteral("SELECT * FROM vidv WHERE pid=") + QString::number(pid) +
           QStringLiteral(" ORDER BY vidv.vdate, vidv.vid");
}

QString ReportItemsSql(int vid) {
    return QStringLiteral(
               "SELECT [zvit].[zid], [f39].[name], [zvit].[cnt] FROM [f39], [zvit] "
               "WHERE ([zvit].[vid]=") +
           QString::number(vid) + QStringLiteral(") AND ([f39].[id]=[zvit].[fid]) ORDER BY zid DESC;");
}

QString AddVisitSql(const QDateTime& now, int pid, bool firstVisit) {
    return QStringLiteral("INSERT INTO vidv(vdate,vtime,pid,perv) VALUES(") + SqlDate(now.date()) + u',' +
           SqlTime(now.time()) + u',' + QString::number(pid) +
           (firstVisit ? QStringLiteral(",true);") : QStringLiteral(",false);"));
}

QString VisitTabCaption(const QDate& day) {
    if (!day.isValid()) return {};
    return QString::number(day.day()) + u' ' + GenitiveMonths()[day.month() - 1];
}

QString VisitCounterText(int selected, int count) {
    return QStringLiteral("Відвідування : %1 з %2").arg(selected).arg(count);
}

QStringList ReportItemStatements(int vid, const QStringList& entries, int teeth) {
    const int n = teeth < 1 ? 1 : teeth;  // an item given without teeth counts once
    QStringList statements;
    for (const QString& raw : entries) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty() || entry == u'0') continue;
        const qsizetype x = entry.indexOf(u'x');
        double factor = 1;
        if (x >= 0) {
            bool ok = false;
            factor = CommaToPoint(entry.left(x)).toDouble(&ok);
            if (!ok || !qIsFinite(factor)) continue;
        }
        // The code is spliced into the statement, so only a number may pass: a damaged template
        // line must not become SQL.
        bool ok = false;
        const int fid = entry.mid(x + 1).toInt(&ok);
        if (!ok) continue;
        statements.append(QStringLiteral("INSERT INTO zvit(vid,fid,cnt) VALUES(") + QString::number(vid) +
                          u',' + QString::number(fid) + u',' + QString::number(factor * n, 'g', 15) +
                          QStringLiteral(");"));
    }
    return statements;
}

QString AppendText(const QString& field, const QString& text) {
    if (text.isEmpty()) return field;
    if (field.isEmpty()) return text;
    return field + u' ' + text;
}

}  // namespace orvex
