#include "AppInfo.h"

#include "Version.h"

#include <QCoreApplication>
#include <QDir>

namespace qnr {

QString applicationTitle()
{
    return QStringLiteral("QuinorAIS");
}

QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(QUINOR_VERSION_MAJOR).arg(QUINOR_VERSION_MINOR).arg(QUINOR_VERSION_PATCH);
}

QString programFolder()
{
    const QString home = qEnvironmentVariable("QUINOR_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString programFile(const QString& name)
{
    return QDir(programFolder()).filePath(name);
}

} // namespace qnr
