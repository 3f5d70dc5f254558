#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace qnr {

// "DD/MM/YYYY"
QString formatDate(const QDate& date);
QString formatDate(const QDateTime& moment);

// Two decimals, digit grouping and minus sign by the user's locale.
QString formatAmount(double value, const QLocale& locale = QLocale());

// Numeric format patterns of the kind "###,###,##0.00" or "#,##0.#0": a comma in the
// whole part groups digits, each "0" is a digit always shown, a "#" after the point
// is an optional decimal unless a "0" follows it.
QString formatNumber(double value, const QString& pattern, const QLocale& locale = QLocale());

inline const char* const kStockQuantityPattern = "###,###,##0.00";
inline const char* const kMeasurePattern = "#,##0.#0";

} // namespace qnr
