#include "core/Lang.h"

#include <QStringList>

#include "core/Fmt.h"
#include "core/TextFile.h"

namespace orvex {
namespace {

// One entry per line after the header: the upper-cased key with its "=", and the value.
QStringList g_keys;
QStringList g_values;

}  // namespace

void LoadLanguage(const QString& path) {
    FreeLanguage();
    const QStringList lines = ReadTextLines(path);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) {
            // Kept so positions match the file; without "=" it can never equal a looked-up key.
            g_keys.append(line);
            g_values.append(QString());
        } else {
            g_keys.append(UpperUkr(line.left(eq + 1)));
            g_values.append(line.mid(eq + 1));
        }
    }
}

QString Lang(const QString& key) {
    const QString wanted = UpperUkr(key) + u'=';
    for (qsizetype i = 0; i < g_keys.size(); ++i)
        if (g_keys[i].compare(wanted, Qt::CaseInsensitive) == 0) return g_values[i];
    return {};
}

void FreeLanguage() {
    g_keys.clear();
    g_values.clear();
}

}  // namespace orvex
