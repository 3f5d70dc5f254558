#pragma once

#include "Services.h"

#include <Connection.h>

#include <functional>
#include <QString>

namespace qnr {

// Reports a trapped failure to the user and appends one line to ErrorLog.txt.
// Nothing inside raises or reports a failure of its own.
class ErrorLog {
public:
    ErrorLog(Dialogs& dialogs, const Clock& clock, QString logPath, QString userName, QString computerName);

    void LogError(bool showMessage, const QString& errorNumber, const QString& description, const QString& moduleName,
                  const QString& procedureName);

    static QString messageText(const QString& errorNumber, const QString& description, const QString& moduleName,
                               const QString& procedureName);
    static QString messageCaption();
    QString recordLine(const QDateTime& moment, const QString& errorNumber, const QString& description,
                       const QString& moduleName, const QString& procedureName) const;

private:
    Dialogs& m_dialogs;
    const Clock& m_clock;
    QString m_logPath;
    QString m_userName;
    QString m_computerName;
};

// A database failure a procedure does not retry: its text in a plain message box.
void reportFailure(Dialogs& dialogs, const data::DbError& error);

// The operating system's login name and the computer's host name, for the log.
QString loginUserName();
QString computerName();

// A trapped failure is logged and the failing step tried again: three attempts in
// all. After the third failure the caller leaves the procedure with its data as it
// was. Returns true when an attempt succeeded.
inline constexpr int kMaxAttempts = 3;
bool runWithRetry(ErrorLog& log, const QString& moduleName, const QString& procedureName,
                  const std::function<data::MaybeError()>& step);

} // namespace qnr
