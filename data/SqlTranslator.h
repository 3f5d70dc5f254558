#pragma once

#include <QString>

namespace qnr::data {

// Rewrites a T-SQL statement of the program into the embedded engine's dialect.
// Only the constructs the program sends are handled: "dbo." prefixes, TOP (n) /
// TOP n / TOP 100 PERCENT, NEWID(), ISNULL(), GRANT ... TO PUBLIC (nothing to do)
// and the goods-in function dbo.SearchCert(n). Text between quotes is never touched.
QString translateToSqlite(const QString& tsql);

} // namespace qnr::data
