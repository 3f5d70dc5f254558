#include "modLogError.h"

#include "AppInfo.h"

#include <pwd.h>
#include <QFile>
#include <QSysInfo>
#include <unistd.h>

namespace qnr {

ErrorLog::ErrorLog(Dialogs& dialogs, const Clock& clock, QString logPath, QString userName, QString computerName)
    : m_dialogs(dialogs)
    , m_clock(clock)
    , m_logPath(std::move(logPath))
    , m_userName(std::move(userName))
    , m_computerName(std::move(computerName))
{
}

QString ErrorLog::messageText(const QString& errorNumber, const QString& description, const QString& moduleName,
                              const QString& procedureName)
{
    QString text = QStringLiteral("Error occured: ") + errorNumber + QStringLiteral("\r\n");
    if (!description.isEmpty())
        text += QStringLiteral("Description: ") + description + QStringLiteral("\r\n");
    if (!moduleName.isEmpty())
        text += QStringLiteral("Module: ") + moduleName + QStringLiteral("\r\n");
    if (!procedureName.isEmpty())
        text += QStringLiteral("Function: ") + procedureName;
    return text;
}

QString ErrorLog::messageCaption()
{
    return applicationTitle() + QStringLiteral(" - ERROR");
}

QString ErrorLog::recordLine(const QDateTime& moment, const QString& errorNumber, const QString& description,
                             const QString& moduleName, const QString& procedureName) const
{
    const QString when = moment.time() == QTime(0, 0) ? moment.toString(QStringLiteral("yyyy-MM-dd"))
                                                      : moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    auto q = [](const QString& field) { return QLatin1Char('"') + field + QLatin1Char('"'); };
    const QString version = applicationTitle() + QStringLiteral(" v") + versionText();
    return QLatin1Char('#') + when + QLatin1Char('#') + QLatin1Char(',') + q(errorNumber) + QLatin1Char(',') +
           q(description) + QLatin1Char(',') + q(moduleName) + QLatin1Char(',') + q(procedureName) + QLatin1Char(',') +
           q(version) + QLatin1Char(',') + q(m_userName) + QLatin1Char(',') + q(m_computerName) +
           QStringLiteral("\r\n");
}

void ErrorLog::LogError(bool showMessage, const QString& errorNumber, const QString& description,
                        const QString& moduleName, const QString& procedureName)
{
    if (showMessage) {
        try {
            m_dialogs.message(messageText(errorNumber, description, moduleName, procedureName), messageCaption(),
                              MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
        } catch (...) {
        }
    }
    try {
        QFile file(m_logPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(recordLine(m_clock.now(), errorNumber, description, moduleName, procedureName).toUtf8());
    } catch (...) {
    }
}

void reportFailure(Dialogs& dialogs, const data::DbError& error)
{
    dialogs.message(error.description, applicationTitle(), MessageIcon::Critical);
}

QString loginUserName()
{
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("LOGNAME") : user;
}

QString computerName()
{
    return QSysInfo::machineHostName();
}

bool runWithRetry(ErrorLog& log, const QString& moduleName, const QString& procedureName,
                  const std::function<data::MaybeError()>& step)
{
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const data::MaybeError error = step();
        if (!error)
            return true;
        log.LogError(true, error->number, error->description, moduleName, procedureName);
    }
    return false;
}

} // namespace qnr
