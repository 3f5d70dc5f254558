#pragma once

#include <ReportList.h>
#include <RowSet.h>

#include <QLocale>
#include <vector>

namespace qnr::documents {

// The eleven columns of the documents list and the item line columns.
std::vector<ReportColumn> movesColumns();
std::vector<ReportColumn> itemColumns();

// One document row: date, kind, number, description, company, the amount in the
// document's currency, in euro and in leva (empty when the total or the rate is
// missing), and the CMR mark. Red when the document has no details row.
ReportRow movesRow(const data::Row& row, const QLocale& locale = QLocale());
ReportRow itemRow(const data::Row& row, const QLocale& locale = QLocale());

inline const QColor kNoDetailsColor{255, 0, 0};

namespace MovesColumn {
enum { MvId, LogId, Date, Doc, Number, Description, Company, Amount, Euro, Leva, Cmr };
}

} // namespace qnr::documents
