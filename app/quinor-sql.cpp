// quinor-sql escape|lomag|voffice "STATEMENT"
// Runs one statement through the program's Config.ini, connection and translation
// layer and prints the rows tab-separated, with a header line of column names.
// quinor-sql --schema escape|lomag
// Prints the SQL Server script that sets up the tables, views and functions the
// program uses, for a test server.
#include "AppInfo.h"
#include "Connections.h"
#include "INIhandling.h"
#include "Settings.h"

#include <Schema.h>

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--schema")) {
        if (args[2] == QLatin1String("escape"))
            out << qnr::data::sqlServerDdl(qnr::data::DatabaseKind::Escape);
        else if (args[2] == QLatin1String("lomag"))
            out << qnr::data::sqlServerDdl(qnr::data::DatabaseKind::Lomag);
        else {
            err << "usage: quinor-sql --schema escape|lomag\n";
            return 2;
        }
        return 0;
    }
    if (args.size() != 3) {
        err << "usage: quinor-sql escape|lomag|voffice \"STATEMENT\"\n";
        return 2;
    }
    const QString configPath = qnr::configPathIn(qnr::programFolder());
    if (!qnr::FileExists(configPath)) {
        err << "quinor-sql: " << configPath << " does not exist\n";
        return 2;
    }
    const qnr::AppSettings settings = qnr::readSettings(configPath);
    const QString which = args[1].toLower();
    const qnr::TerminalSettings* section = which == "escape"    ? &settings.escape
                                           : which == "lomag"   ? &settings.lomag
                                           : which == "voffice" ? &settings.vOffice
                                                                : nullptr;
    if (!section) {
        err << "quinor-sql: the database is one of escape, lomag, voffice\n";
        return 2;
    }
    qnr::data::Connection connection(QStringLiteral("quinor-sql"));
    if (auto error =
            connection.open(qnr::connectionOptions(*section, qnr::kStartupTimeoutSeconds, qnr::programFolder()))) {
        err << "quinor-sql: " << error->number << " " << error->description << "\n";
        return 1;
    }
    const qnr::data::QueryResult result = connection.select(args[2]);
    if (!result.ok()) {
        err << "quinor-sql: " << result.error->number << " " << result.error->description << "\n";
        return 1;
    }
    const qnr::data::RowSet& rows = result.rows;
    if (!rows.columns().isEmpty())
        out << rows.columns().join(QLatin1Char('\t')) << "\n";
    for (int r = 0; r < rows.size(); ++r) {
        QStringList cells;
        for (int c = 0; c < rows.columns().size(); ++c) {
            QString text = qnr::data::variantToText(rows.cell(r, c));
            text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
            cells << text.remove(QLatin1Char('\r'));
        }
        out << cells.join(QLatin1Char('\t')) << "\n";
    }
    return 0;
}
