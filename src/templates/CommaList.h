#pragma once

#include <QString>
#include <QStringList>

namespace orvex {

// The comma list of the template and menu files: elements joined by ",", an element with a blank,
// control character, comma or double quote written between double quotes (inner ones doubled).
QStringList ParseCommaList(const QString&);
QString FormatCommaList(const QStringList&);

}  // namespace orvex
