#include "PathMapper.h"

#include <QDir>
#include <QFileInfo>

namespace qnr {

namespace {

QString resolveIgnoringCase(const QString& root, const QStringList& parts)
{
    QString current = root;
    for (const QString& part : parts) {
        const QString exact = QDir(current).filePath(part);
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QString found;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        if (found.isEmpty())
            return {};
        current = QDir(current).filePath(found);
    }
    return current;
}

} // namespace

PathMapper::PathMapper(QHash<QChar, QString> drives)
{
    for (auto it = drives.cbegin(); it != drives.cend(); ++it)
        setDrive(it.key(), it.value());
}

void PathMapper::setDrive(QChar letter, const QString& folder)
{
    m_drives.insert(letter.toUpper(), folder);
}

bool PathMapper::isWindowsPath(const QString& path)
{
    return path.size() >= 2 && path[0].isLetter() && path[0].unicode() < 128 && path[1] == QLatin1Char(':');
}

std::optional<QString> PathMapper::toNative(const QString& path) const
{
    const QString trimmed = path.trimmed();
    if (!isWindowsPath(trimmed)) {
        QString native = trimmed;
        native.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return native;
    }
    const auto folder = m_drives.constFind(trimmed[0].toUpper());
    if (folder == m_drives.cend() || folder->isEmpty())
        return std::nullopt;
    QString rest = trimmed.mid(2);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool endsWithSeparator = rest.endsWith(QLatin1Char('/'));
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    QString native = rest.isEmpty() ? QDir::cleanPath(*folder) : QDir::cleanPath(*folder + QLatin1Char('/') + rest);
    if (endsWithSeparator)
        native += QLatin1Char('/');
    return native;
}

std::optional<QString> PathMapper::existing(const QString& path) const
{
    const auto native = toNative(path);
    if (!native)
        return std::nullopt;
    if (QFileInfo::exists(*native))
        return native;
    if (!isWindowsPath(path.trimmed()))
        return std::nullopt;
    QString rest = path.trimmed().mid(2);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString resolved = resolveIgnoringCase(QDir::cleanPath(m_drives.value(path.trimmed()[0].toUpper())),
                                                 rest.split(QLatin1Char('/'), Qt::SkipEmptyParts));
    if (resolved.isEmpty())
        return std::nullopt;
    return resolved;
}

} // namespace qnr
