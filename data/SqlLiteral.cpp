#include "SqlLiteral.h"

namespace qnr::data {

QString escapedText(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + escapedText(text) + QLatin1Char('\'');
}

bool isDigitsOnly(const QString& id)
{
    if (id.isEmpty())
        return false;
    for (QChar c : id) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

std::optional<QString> digitsOnly(const QString& id)
{
    if (!isDigitsOnly(id))
        return std::nullopt;
    return id;
}

} // namespace qnr::data
