#include "ClockKey.h"

#include "Services.h"

namespace qnr {

QString clockKey(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyyMMddHHmmss")) + moment.toString(QStringLiteral("ss")) +
           QStringLiteral("12");
}

QString clockKey(const Clock& clock)
{
    return clockKey(clock.now());
}

} // namespace qnr
