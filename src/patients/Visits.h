#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orvex {

// The visit page's statements and texts.

QString VisitsSql(int pid);       // the patient's visits, oldest first
QString ReportItemsSql(int vid);  // a visit's report items with their names, newest first
// The new visit's INSERT; the first visit of a patient is marked perv.
QString AddVisitSql(const QDateTime& now, int pid, bool firstVisit);

QString VisitTabCaption(const QDate& day);          // "2 квітня"
QString VisitCounterText(int selected, int count);  // "Відвідування : 2 з 5"

// The INSERTs a treatment item queues for its report-item entries ("15", "2x15", "1,5x51"; "0" and
// empty add nothing, nor does an entry that is not a number and a code), each counted for the
// number of teeth chosen (at least one).
QStringList ReportItemStatements(int vid, const QStringList& entries, int teeth);

// Appends a template text to a field: the text alone into an empty field, else after a blank.
QString AppendText(const QString& field, const QString& text);

}  // namespace orvex
