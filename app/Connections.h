#pragma once

#include "Settings.h"

#include <Connection.h>

namespace qnr {

// The connection text of a section, built by plain concatenation as the
// configuration has always been written.
QString BuildConnectionText(const TerminalSettings& settings);

// TermDbType "SQL" (and anything unknown) is SQL Server over ODBC; "SQLITE" is the
// embedded engine with TermDatabase naming a file relative to the program folder.
data::Engine engineFor(const TerminalSettings& settings);
data::ConnectionOptions connectionOptions(const TerminalSettings& settings, int timeoutSeconds,
                                          const QString& programFolder);

inline constexpr int kStartupTimeoutSeconds = 5;
inline constexpr int kTestTimeoutSeconds = 1;

// The three connections shared by every window for the whole run.
struct AppConnections {
    data::Connection vOffice{QStringLiteral("qnr-voffice")};
    data::Connection escape{QStringLiteral("qnr-escape")};
    data::Connection lomag{QStringLiteral("qnr-lomag")};
};

enum class StartStep {
    ShowLogin,
    NoWindow,               // the flags select no working set: the program ends
    ShowConnectionSettings, // a connection was refused
    Fail,                   // any other error
};

struct OpenOutcome {
    StartStep next = StartStep::NoWindow;
    data::MaybeError error;
};

OpenOutcome OpenConnections(const AppSettings& settings, AppConnections& connections, const QString& programFolder);

// "Λάθος Sql Νο -2147467259" CR "Πρόβλημα Σύνδεσης"
QString connectionRefusedMessage(const data::DbError& error);

} // namespace qnr
