#pragma once

#include <optional>
#include <QString>

namespace qnr::data {

// A text value between single quotes with its apostrophes doubled.
QString quoted(const QString& text);

// The same value without the surrounding quotes, for pieces such as LIKE patterns
// that a statement wraps itself.
QString escapedText(const QString& text);

// An id spliced into a statement without quotes must be digits only; anything
// else yields no value and the caller does not send the statement.
std::optional<QString> digitsOnly(const QString& id);

bool isDigitsOnly(const QString& id);

} // namespace qnr::data
