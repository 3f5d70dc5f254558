#pragma once

#include <QDateTime>
#include <QString>

namespace qnr {

class Clock;

// The 18-digit key of a new row: yyyyMMddHHmmss, the seconds again, then "12"
// (the month of an empty date). Sorts in time order; one-second resolution; not unique.
QString clockKey(const QDateTime& moment);
QString clockKey(const Clock& clock);

} // namespace qnr
