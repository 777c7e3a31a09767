#pragma once

#include <QString>

namespace orvex {

// Text comparison for Ukrainian names: letter case ignored for Latin and Cyrillic, Cyrillic in
// Ukrainian alphabetical order (А Б В Г Ґ Д Е Є Ж З И І Ї Й … Ь Ю Я). Replaces the engine's NOCASE
// collation, so it must be fast and must not allocate: every sort of the patient list calls it.

// Compares two UTF-8 texts; <0, 0, >0.
int CompareNoCase(const char* a, int aLength, const char* b, int bLength);
int CompareNoCase(const QString& a, const QString& b);

// LIKE with % and _ over UTF-8 texts, letter case ignored for every letter Unicode knows a case of.
bool LikeMatch(const char* pattern, int patternLength, const char* text, int textLength, char32_t escape = 0);
bool LikeMatch(const QString& pattern, const QString& text);

}  // namespace orvex
