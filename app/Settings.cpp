#include "Settings.h"

#include "INIhandling.h"

#include <limits>
#include <QDir>
#include <QFile>

namespace qnr {

QByteArray defaultConfigText()
{
    const QByteArray password = kDefaultSqlPassword;
    const QList<QByteArray> lines = {
        "[vOffice Terminal Settings]",
        "TermId=1",
        "TermAway=0",
        "TermDbType=SQL",
        "TermServer=LocalHost",
        "TermUserName=sa",
        "TermPassword=" + password,
        "TermDatabase=vOffice",
        "TermTimeOut=10",
        "",
        "[rIduza Terminal Settings]",
        "TermId=1",
        "TermAway=0",
        "TermDbType=SQL",
        "TermServer=LocalHost",
        "TermUserName=sa",
        "TermPassword=" + password,
        "TermDatabase=ESC_STK001",
        "TermTimeOut=10",
        "",
        "[General]",
        "TipOfTheDay=0",
        "Escape=0",
        "SyrtNumber=2",
        "",
        "[Login Settings]",
        "Username=Tomrik",
        "Pass=8067",
        "UserLevel=1",
        "UserSave=1",
    };
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

QString configPathIn(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("Config.ini"));
}

bool ensureConfigFile(const QString& configPath)
{
    if (FileExists(configPath))
        return true;
    QFile file(configPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray text = defaultConfigText();
    return file.write(text) == text.size();
}

TerminalSettings readTerminalSettings(const QString& section, const QString& configPath)
{
    TerminalSettings s;
    s.TermId = ReadIniValue(section, QStringLiteral("TermId"), configPath);
    s.TermAway = ReadIniValue(section, QStringLiteral("TermAway"), configPath);
    s.TermDbType = ReadIniValue(section, QStringLiteral("TermDbType"), configPath);
    s.TermServer = ReadIniValue(section, QStringLiteral("TermServer"), configPath);
    s.TermUserName = ReadIniValue(section, QStringLiteral("TermUserName"), configPath);
    s.TermPassword = ReadIniValue(section, QStringLiteral("TermPassword"), configPath);
    s.TermDatabase = ReadIniValue(section, QStringLiteral("TermDatabase"), configPath);
    s.TermTimeOut = ReadIniValue(section, QStringLiteral("TermTimeOut"), configPath);
    return s;
}

qint16 toSyrtNumber(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return 0;
    return qint16(value);
}

namespace {

PathMapper readDrives(const QString& configPath)
{
    // Keys are single drive letters; the profile functions cannot list keys, so
    // each letter is asked for.
    PathMapper mapper;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const QString folder = ReadIniValue(IniSections::drives, QString(QLatin1Char(letter)), configPath);
        if (!folder.isEmpty())
            mapper.setDrive(QLatin1Char(letter), folder);
    }
    return mapper;
}

} // namespace

AppSettings readSettings(const QString& configPath)
{
    AppSettings settings;
    settings.configPath = configPath;
    settings.vOffice = readTerminalSettings(IniSections::vOffice, configPath);
    settings.escape = readTerminalSettings(IniSections::escape, configPath);
    settings.lomag = readTerminalSettings(IniSections::lomag, configPath);
    settings.TipOfTheDay = ReadIniValue(IniSections::general, QStringLiteral("TipOfTheDay"), configPath);
    settings.SyrtNumber = toSyrtNumber(ReadIniValue(IniSections::general, QStringLiteral("SyrtNumber"), configPath));
    settings.Escape = ReadIniValue(IniSections::general, QStringLiteral("Escape"), configPath);
    settings.Lomag = ReadIniValue(IniSections::general, QStringLiteral("Lomag"), configPath);
    settings.drives = readDrives(configPath);
    return settings;
}

} // namespace qnr
