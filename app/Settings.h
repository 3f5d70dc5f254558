#pragma once

#include "PathMapper.h"

#include <QString>

namespace qnr {

struct TerminalSettings {
    QString TermId;
    QString TermAway;
    QString TermDbType;
    QString TermServer;
    QString TermUserName;
    QString TermPassword;
    QString TermDatabase;
    QString TermTimeOut;
};

namespace IniSections {
inline const QString vOffice = QStringLiteral("vOffice Terminal Settings");
inline const QString escape = QStringLiteral("rIduza Terminal Settings");
inline const QString lomag = QStringLiteral("Lomag Terminal Settings");
inline const QString general = QStringLiteral("General");
inline const QString drives = QStringLiteral("Drives");
} // namespace IniSections

// Everything read from Config.ini at start-up; read once, never re-read.
struct AppSettings {
    QString configPath;
    TerminalSettings vOffice;
    TerminalSettings escape;
    TerminalSettings lomag;
    QString TipOfTheDay;
    qint16 SyrtNumber = 0;
    QString Escape;
    QString Lomag;
    PathMapper drives;
};

// The 30 lines of a new Config.ini, CR LF, plain ASCII.
QByteArray defaultConfigText();
inline const char* const kDefaultSqlPassword = "qa";

QString configPathIn(const QString& programFolder);

// Writes the default file when none can be read. False when it could not be written.
bool ensureConfigFile(const QString& configPath);

TerminalSettings readTerminalSettings(const QString& section, const QString& configPath);
AppSettings readSettings(const QString& configPath);

// Missing, not a whole number, or outside the 16-bit range reads as 0.
qint16 toSyrtNumber(const QString& text);

} // namespace qnr
