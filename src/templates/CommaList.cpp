#include "templates/CommaList.h"

namespace orvex {
namespace {

// Blanks and control characters separate elements like commas do and are skipped around them.
bool IsBlank(QChar c) {
    return c.unicode() <= u' ';
}

}  // namespace

QStringList ParseCommaList(const QString& text) {
    QStringList result;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && IsBlank(text[i])) ++i;
    while (i < n) {
        QString element;
        if (text[i] == u'"') {
            // Up to the closing quote; a doubled quote inside is one quote, an unclosed one runs
            // to the end of the text.
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        element.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                element.append(text[i++]);
            }
        } else {
            const qsizetype start = i;
            while (i < n && !IsBlank(text[i]) && text[i] != u',') ++i;
            element = text.mid(start, i - start);
        }
        result.append(element);
        while (i < n && IsBlank(text[i])) ++i;
        if (i < n && text[i] == u',') {
            if (i + 1 == n) result.append(QString());  // "a," holds a last, empty element
            ++i;
            while (i < n && IsBlank(text[i])) ++i;
        }
    }
    return result;
}

QString FormatCommaList(const QStringList& elements) {
    // A lone empty element would otherwise vanish: the empty text is the empty list.
    if (elements.size() == 1 && elements.first().isEmpty()) return QStringLiteral("\"\"");
    QString result;
    for (qsizetype k = 0; k < elements.size(); ++k) {
        const QString& element = elements[k];
        bool quote = false;
        for (QChar c : element) {
            if (IsBlank(c) || c == u'"' || c == u',') {
                quote = true;
                break;
            }
        }
        if (k > 0) result.append(u',');
        if (quote) {
            QString inner = element;
            inner.replace(u'"', QStringLiteral("\"\""));
            result.append(u'"' + inner + u'"');
        } else {
            result.append(element);
        }
    }
    return result;
}

}  // namespace orvex
