#include "core/db/Collation.h"

#include <QChar>
#include <array>

namespace orvex {
namespace {

// Sort weights. Every character has its own weight except that upper and lower case share one,
// so the order is total and agrees with its equality. The groups follow the Ukrainian collation
// of ICU: blanks, punctuation, symbols, digits, Cyrillic, Latin, then everything else.
constexpr char32_t kControlBase = 1;
constexpr char32_t kAsciiBase = 100;
constexpr char32_t kAsciiStep = 4;  // room for the non-ASCII blanks, dashes and quotes beside them
constexpr char32_t kCyrillicBase = 1000;
constexpr char32_t kOtherCyrillicBase = 1100;  // Cyrillic letters outside the alphabet below
constexpr char32_t kLatinBase = 2000;
constexpr char32_t kOtherBase = 0x10000;
constexpr char32_t kBadByteBase = 0x200000;  // a byte that is no part of valid UTF-8

// Blanks, punctuation, symbols and digits in ICU's order (letters are placed separately).
constexpr char kAsciiOrder[] = " _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$0123456789";
// The Ukrainian alphabet; the Russian ё, ъ, ы, э where ICU puts them.
constexpr char16_t kAlphabet[] = u"абвгґдеёєжзиіїйклмнопрстуфхцчшщъыьэюя";

struct Tables {
    std::array<char32_t, 128> ascii{};
    std::array<char32_t, 256> cyrillic{};  // U+0400..U+04FF
};

const Tables& WeightTables() {
    static const Tables tables = [] {
        Tables t;
        for (char32_t c = 0; c < 128; ++c) t.ascii[c] = kOtherBase + c;
        for (char32_t c = 0; c < 32; ++c) t.ascii[c] = kControlBase + c;
        for (size_t i = 0; kAsciiOrder[i] != 0; ++i)
            t.ascii[size_t(kAsciiOrder[i])] = kAsciiBase + kAsciiStep * char32_t(i);
        for (char32_t c = 0; c < 26; ++c) {
            t.ascii[u'A' + c] = kLatinBase + c;
            t.ascii[u'a' + c] = kLatinBase + c;
        }
        for (char32_t c = 0; c < 256; ++c) {
            const char32_t folded = QChar::toCaseFolded(char32_t(0x400 + c));
            char32_t weight = kOtherCyrillicBase + (folded >= 0x400 && folded < 0x500 ? folded - 0x400 : c);
            for (size_t i = 0; kAlphabet[i] != 0; ++i)
                if (kAlphabet[i] == folded) weight = kCyrillicBase + char32_t(i);
            t.cyrillic[c] = weight;
        }
        return t;
    }();
    return tables;
}

char32_t Weight(char32_t c, const Tables& t) {
    if (c < 128) return t.ascii[c];
    if (c >= 0x400 && c < 0x500) return t.cyrillic[c - 0x400];
    switch (c) {
        case 0x00A0:
            return t.ascii[u' '] + 1;  // no-break space
        case 0x2013:
            return t.ascii[u'-'] + 1;  // en dash
        case 0x2014:
            return t.ascii[u'-'] + 2;  // em dash
        case 0x2019:
            return t.ascii[u'\''] + 1;  // typographic apostrophe
        default:
            break;
    }
    if (c >= kBadByteBase) return c;
    return kOtherBase + QChar::toCaseFolded(c);
}

// Reads code points from UTF-8; a malformed byte reads as itself above every code point.
struct Utf8Cursor {
    const unsigned char* p;
    const unsigned char* end;

    bool AtEnd() const { return p >= end; }
    char32_t Next() {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            return b;
        }
        int length = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if ((b & 0xE0) == 0xC0) {
            length = 2, c = b & 0x1F, minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, c = b & 0x0F, minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, c = b & 0x07, minimum = 0x10000;
        }
        if (length == 0 || end - p < length) {
            ++p;
            return kBadByteBase + b;
        }
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                ++p;
                return kBadByteBase + b;
            }
            c = (c << 6) | (p[i] & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
            ++p;
            return kBadByteBase + b;
        }
        p += length;
        return c;
    }
};

// Reads code points from UTF-16; a lone surrogate reads as itself.
struct Utf16Cursor {
    const QChar* p;
    const QChar* end;

    bool AtEnd() const { return p >= end; }
    char32_t Next() {
        const char16_t u = p->unicode();
        ++p;
        if (QChar::isHighSurrogate(u) && p < end && p->isLowSurrogate())
            return QChar::surrogateToUcs4(u, (p++)->unicode());
        return u;
    }
};

template <class Cursor>
int Compare(Cursor a, Cursor b) {
    const Tables& t = WeightTables();
    while (!a.AtEnd() && !b.AtEnd()) {
        const char32_t wa = Weight(a.Next(), t);
        const char32_t wb = Weight(b.Next(), t);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (a.AtEnd() && b.AtEnd()) return 0;
    return a.AtEnd() ? -1 : 1;
}

char32_t Fold(char32_t c) {
    if (c < 128) return (c >= u'A' && c <= u'Z') ? c + 32 : c;
    return c >= kBadByteBase ? c : QChar::toCaseFolded(c);
}

// The classic wildcard match with one backtracking point (the last %), so no recursion and
// time bounded by pattern × text.
template <class Cursor>
bool Like(Cursor pattern, Cursor text, char32_t escape) {
    Cursor star = pattern;   // the pattern just after the last %
    Cursor starText = text;  // where the text stood when that % was met
    bool haveStar = false;
    while (!text.AtEnd()) {
        if (!pattern.AtEnd()) {
            Cursor next = pattern;
            char32_t p = next.Next();
            bool literal = false;
            if (escape != 0 && p == escape) {
                if (next.AtEnd()) return false;  // a pattern may not end in its escape
                p = next.Next();
                literal = true;
            }
            if (!literal && p == u'%') {
                pattern = next;
                star = next;
                starText = text;
                haveStar = true;
                continue;
            }
            Cursor afterText = text;
            const char32_t c = afterText.Next();
            if ((!literal && p == u'_') || Fold(p) == Fold(c)) {
                pattern = next;
                text = afterText;
                continue;
            }
        }
        if (!haveStar) return false;
        starText.Next();
        text = starText;
        pattern = star;
    }
    while (!pattern.AtEnd()) {
        const char32_t p = pattern.Next();
        if (p != u'%' || (escape != 0 && p == escape)) return false;
    }
    return true;
}

Utf8Cursor Utf8(const char* s, int length) {
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    return {p, p + (length > 0 ? length : 0)};
}

Utf16Cursor Utf16(const QString& s) {
    return {s.constData(), s.constData() + s.size()};
}

}  // namespace

int CompareNoCase(const char* a, int aLength, const char* b, int bLength) {
    return Compare(Utf8(a, aLength), Utf8(b, bLength));
}

int CompareNoCase(const QString& a, const QString& b) {
    return Compare(Utf16(a), Utf16(b));
}

bool LikeMatch(const char* pattern, int patternLength, const char* text, int textLength, char32_t escape) {
    return Like(Utf8(pattern, patternLength), Utf8(text, textLength), escape);
}

bool LikeMatch(const QString& pattern, const QString& text) {
    return Like(Utf16(pattern), Utf16(text), 0);
}

}  // namespace orvex
