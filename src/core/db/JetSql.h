#pragma once

#include <QString>

namespace orvex {

// Statements are written throughout the program in the Jet dialect (#m/d/yyyy# dates, "text",
// [names], True/False, qualified SET columns, counter/bit DDL) and translated here for SQLite.

// The translation, cached by statement text.
QString JetSql(const QString& jetSql);
// The translation without the cache.
QString TranslateJetSql(const QString& jetSql);

}  // namespace orvex
