#pragma once

#include <QString>

namespace qnr::data {

// The general failure code that SQL Server clients report for an unreachable
// server, a refused login or a missing database; start-up keys on it.
inline constexpr qint64 kGeneralFailureCode = -2147467259;

struct DbError {
    QString number;      // decimal text, as the error log writes it
    QString description; // the engine's own message
    bool connectionRefused = false;

    static DbError refused(const QString& description)
    {
        return {QString::number(kGeneralFailureCode), description, true};
    }
    static DbError statement(const QString& description, const QString& number = QStringLiteral("-1"))
    {
        return {number, description, false};
    }
};

} // namespace qnr::data
