#pragma once

#include <optional>
#include <QString>

class QSqlDatabase;

namespace qnr::data {

// Gives an open embedded database the server's comparison rules: the collation
// QNR_CI (letter case ignored, Greek included; trailing blanks ignored) and a LIKE
// that ignores letter case beyond ASCII. Returns an error text on failure.
std::optional<QString> installSqliteExtensions(QSqlDatabase& db);

class RowSet;

// Runs one (already translated) statement on the embedded engine and reads every
// row. Returns the engine's message on failure.
std::optional<QString> selectSqlite(QSqlDatabase& db, const QString& sql, RowSet& rows);

// The LIKE of the server for % and _ and [...] classes, letter case ignored.
bool likeMatches(const QString& text, const QString& pattern, QChar escape = QChar());

// Compares two texts as the server's case-insensitive collation does.
int compareCaseInsensitive(const QString& a, const QString& b);

} // namespace qnr::data
