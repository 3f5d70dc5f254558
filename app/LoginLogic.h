#pragma once

#include <Connection.h>

#include <QString>
#include <QStringList>

namespace qnr {

namespace LoginMessages {
inline const QString chooseUser = QStringLiteral("Πρέπει να επιλέξετε χρήστη!!");
inline const QString wrongKey = QStringLiteral("Λάθος Κλειδί");
inline const QString denied = QStringLiteral("Η Είσοδος Δεν Επιτρέπετε");
inline const QString noEscapeConnection =
    QStringLiteral("The users cannot be read: the Escape database is not connected.\n"
                   "Set Escape=1 in section [General] of Config.ini and fill in section [rIduza Terminal Settings], "
                   "then start the program again.");
QString attempts(int attempt);
} // namespace LoginMessages

inline const char* const kDefaultUser = "Tomrik";
// The second quick login (Ctrl and a key on the small picture).
inline const char* const kCtrlQuickLoginUser = "Quinor";
inline const char* const kCtrlQuickLoginPassword = "Kvorn";
inline constexpr int kMaxLoginAttempts = 3;

QString usersStatement();
// The typed name goes in as data: apostrophes doubled.
QString userLookupStatement(const QString& userName);
QStringList userNames(const data::RowSet& users);

enum class LoginResult { EmptyUser, Success, WrongPassword, Denied, DatabaseError };

// The attempt counter and the password check of the login window.
class LoginAttempts {
public:
    int Prospathies() const { return m_attempt; }
    LoginResult check(const data::Connection& escape, const QString& userName, const QString& password,
                      data::DbError* error = nullptr);

private:
    int m_attempt = 1;
};

} // namespace qnr
