#include "LoginLogic.h"

#include <SqlLiteral.h>

namespace qnr {

QString LoginMessages::attempts(int attempt)
{
    return QStringLiteral("Προσπάθιες εισόδου ") + QString::number(attempt) + QStringLiteral(" από 3");
}

QString usersStatement()
{
    return QStringLiteral("SELECT * FROM Users");
}

QString userLookupStatement(const QString& userName)
{
    return QStringLiteral("SELECT * FROM Users WHERE UserName='") + data::escapedText(userName) + QStringLiteral("'");
}

QStringList userNames(const data::RowSet& users)
{
    QStringList names;
    names.reserve(users.size());
    for (const data::Row row : users)
        names << row.text(QStringLiteral("Username")).trimmed();
    return names;
}

LoginResult LoginAttempts::check(const data::Connection& escape, const QString& userName, const QString& password,
                                 data::DbError* error)
{
    if (userName.isEmpty())
        return LoginResult::EmptyUser;
    const data::QueryResult found = escape.select(userLookupStatement(userName));
    if (!found.ok()) {
        if (error)
            *error = *found.error;
        return LoginResult::DatabaseError;
    }
    // An unknown name is a wrong attempt, whatever was typed as password.
    bool correct = false;
    if (!found.rows.isEmpty()) {
        const QString stored = found.rows.row(found.rows.size() - 1).text(QStringLiteral("UserPassword"));
        correct = stored == password;
    }
    if (correct)
        return LoginResult::Success;
    if (m_attempt >= kMaxLoginAttempts)
        return LoginResult::Denied;
    ++m_attempt;
    return LoginResult::WrongPassword;
}

} // namespace qnr
