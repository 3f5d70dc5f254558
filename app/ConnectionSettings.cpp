#include "ConnectionSettings.h"

#include "INIhandling.h"

namespace qnr {

SettingsReport testConnections(const SectionValues& values, const AppSettings& held, AppConnections& connections,
                               const QString& programFolder)
{
    using namespace ConnectionSettingsMessages;
    auto tryOne = [&](data::Connection& connection, const TerminalSettings& section) {
        data::MaybeError error = connection.open(connectionOptions(section, kTestTimeoutSeconds, programFolder));
        connection.close();
        return error;
    };
    auto failureReport = [](const data::DbError& error, const QString& name) {
        if (error.connectionRefused)
            return SettingsReport{failurePrefix + name, MessageIcon::Critical};
        // Not a refused connection (the driver itself is missing, say): say what it is.
        return SettingsReport{error.description, MessageIcon::Critical};
    };

    if (held.Escape == QLatin1String("0") && held.Lomag == QLatin1String("0")) {
        connections.vOffice.close();
        if (auto error = tryOne(connections.vOffice, values[0]))
            return failureReport(*error, QString());
        return {singleSuccess, MessageIcon::Information};
    }

    connections.vOffice.close();
    connections.escape.close();
    connections.lomag.close();
    const std::array<std::pair<data::Connection*, QString>, 3> order = {{
        {&connections.vOffice, QStringLiteral("Visual Office")},
        {&connections.escape, QStringLiteral("Escape")},
        {&connections.lomag, QStringLiteral("Lomag")},
    }};
    for (size_t i = 0; i < order.size(); ++i) {
        if (auto error = tryOne(*order[i].first, values[i]))
            return failureReport(*error, order[i].second);
    }
    return {allSuccess, MessageIcon::Information};
}

bool saveConnectionSettings(const QString& configPath, const SectionValues& values)
{
    const std::array<QString, 3> sections = {IniSections::vOffice, IniSections::escape, IniSections::lomag};
    bool ok = true;
    for (size_t i = 0; i < sections.size(); ++i) {
        const TerminalSettings& s = values[i];
        const QString& section = sections[i];
        ok = WriteIniValue(section, QStringLiteral("TermId"), s.TermId, configPath) && ok;
        ok = WriteIniValue(section, QStringLiteral("TermAway"), s.TermAway, configPath) && ok;
        ok = WriteIniValue(section, QStringLiteral("TermServer"), s.TermServer, configPath) && ok;
        ok = WriteIniValue(section, QStringLiteral("TermUserName"), s.TermUserName, configPath) && ok;
        ok = WriteIniValue(section, QStringLiteral("TermPassword"), s.TermPassword, configPath) && ok;
        ok = WriteIniValue(section, QStringLiteral("TermDatabase"), s.TermDatabase, configPath) && ok;
        ok = WriteIniValue(section, QStringLiteral("TermTimeout"), s.TermTimeOut, configPath) && ok;
    }
    return ok;
}

} // namespace qnr
