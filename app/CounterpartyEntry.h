#pragma once

#include <optional>
#include <QString>
#include <QStringList>

namespace qnr {

// The text a counterparty combo shows for one Logs row: "name (id)", or with the
// wider separator "name - (id)".
QString counterpartyEntry(const QString& name, const QString& id);
QString counterpartyEntryWithDash(const QString& name, const QString& id);

struct CounterpartyParse {
    QString id;   // between the first "(" and the first ")" after it
    QString name; // before the first "("
    // Empty on success, else the messages the combo shows, in order: a text with
    // neither bracket gets both.
    QStringList errors;
    bool ok() const { return errors.isEmpty(); }
};

CounterpartyParse parseCounterpartyEntry(const QString& text);

class Dialogs;
// What a combo does when it loses the focus: parses its text, shows the messages of
// a failed parse (OK button, no icon, application title) and gives no value then.
std::optional<CounterpartyParse> readCounterpartyEntry(const QString& text, Dialogs& dialogs);

namespace CounterpartyMessages {
inline QString openingBracketMissing()
{
    return QStringLiteral("Δεν βρέθηκε.");
}
inline QString closingBracketMissing()
{
    return QStringLiteral("String2 not found.");
}
} // namespace CounterpartyMessages

} // namespace qnr
