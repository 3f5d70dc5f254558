#include "Connections.h"

namespace qnr {

QString BuildConnectionText(const TerminalSettings& s)
{
    return QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;") + QStringLiteral("User Id=") +
           s.TermUserName + QStringLiteral(";") + QStringLiteral("Password=") + s.TermPassword + QStringLiteral(";") +
           QStringLiteral("Initial Catalog=") + s.TermDatabase + QStringLiteral(";") + QStringLiteral("Data Source=") +
           s.TermServer + QStringLiteral(" ");
}

data::Engine engineFor(const TerminalSettings& settings)
{
    return settings.TermDbType.trimmed().compare(QLatin1String("SQLITE"), Qt::CaseInsensitive) == 0
               ? data::Engine::Sqlite
               : data::Engine::SqlServer;
}

data::ConnectionOptions connectionOptions(const TerminalSettings& s, int timeoutSeconds, const QString& programFolder)
{
    data::ConnectionOptions options;
    options.engine = engineFor(s);
    options.server = s.TermServer;
    options.userName = s.TermUserName;
    options.password = s.TermPassword;
    options.database = s.TermDatabase;
    options.timeoutSeconds = timeoutSeconds;
    options.baseFolder = programFolder;
    return options;
}

OpenOutcome OpenConnections(const AppSettings& settings, AppConnections& connections, const QString& programFolder)
{
    auto openOne = [&](data::Connection& connection, const TerminalSettings& section) {
        return connection.open(connectionOptions(section, kStartupTimeoutSeconds, programFolder));
    };
    auto failed = [](const data::DbError& error) {
        return OpenOutcome{error.connectionRefused ? StartStep::ShowConnectionSettings : StartStep::Fail, error};
    };

    const bool escapeOn = settings.Escape == QLatin1String("1");
    const bool lomagOn = settings.Lomag == QLatin1String("1");
    const bool bothOff = settings.Escape == QLatin1String("0") && settings.Lomag == QLatin1String("0");

    if (auto error = openOne(connections.vOffice, settings.vOffice)) {
        // With flags that select no window, the settings window would be a dead end:
        // it cannot change the flags. The program ends with its explanation instead.
        if (!escapeOn && !bothOff)
            return {StartStep::NoWindow, error};
        return failed(*error);
    }
    if (bothOff)
        return {StartStep::ShowLogin, std::nullopt};
    if (!escapeOn)
        return {StartStep::NoWindow, std::nullopt};
    if (auto error = openOne(connections.escape, settings.escape))
        return failed(*error);
    if (lomagOn) {
        if (auto error = openOne(connections.lomag, settings.lomag))
            return failed(*error);
    }
    return {StartStep::ShowLogin, std::nullopt};
}

QString connectionRefusedMessage(const data::DbError& error)
{
    return QStringLiteral("Λάθος Sql Νο ") + error.number + QStringLiteral("\r") + QStringLiteral("Πρόβλημα Σύνδεσης");
}

} // namespace qnr
