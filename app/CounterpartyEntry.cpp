#include "CounterpartyEntry.h"

#include "AppInfo.h"
#include "Services.h"

namespace qnr {

QString counterpartyEntry(const QString& name, const QString& id)
{
    return (name + QStringLiteral(" (") + id + QStringLiteral(")")).trimmed();
}

QString counterpartyEntryWithDash(const QString& name, const QString& id)
{
    return (name + QStringLiteral(" - (") + id + QStringLiteral(")")).trimmed();
}

CounterpartyParse parseCounterpartyEntry(const QString& text)
{
    CounterpartyParse result;
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open < 0)
        result.errors << CounterpartyMessages::openingBracketMissing();
    // A ")" before the "(" would give a negative length; only one after it counts.
    const qsizetype close = text.indexOf(QLatin1Char(')'), open < 0 ? 0 : open + 1);
    if (close < 0 || open < 0) {
        if (close < 0)
            result.errors << CounterpartyMessages::closingBracketMissing();
        return result;
    }
    result.id = text.mid(open + 1, close - open - 1);
    result.name = text.left(open);
    return result;
}

std::optional<CounterpartyParse> readCounterpartyEntry(const QString& text, Dialogs& dialogs)
{
    CounterpartyParse parsed = parseCounterpartyEntry(text);
    if (parsed.ok())
        return parsed;
    for (const QString& message : parsed.errors)
        dialogs.message(message, applicationTitle(), MessageIcon::None);
    return std::nullopt;
}

} // namespace qnr
