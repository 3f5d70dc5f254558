#include "INIhandling.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace qnr {

namespace {

struct Line {
    qsizetype start; // byte offset of the line
    qsizetype end;   // offset of its line ending
    qsizetype next;  // offset of the following line
};

std::vector<Line> splitLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', pos);
        if (nl < 0) {
            lines.push_back({pos, bytes.size(), bytes.size()});
            break;
        }
        qsizetype end = nl;
        if (end > pos && bytes[end - 1] == '\r')
            --end;
        lines.push_back({pos, end, nl + 1});
        pos = nl + 1;
    }
    return lines;
}

QString lineText(const QByteArray& bytes, const Line& line)
{
    return QString::fromUtf8(bytes.constData() + line.start, line.end - line.start);
}

// The section named on a header line, or no value when the line is no header.
std::optional<QString> sectionName(const QString& text)
{
    const QString t = text.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

struct KeyLine {
    QString name;
    QString value;
};

std::optional<KeyLine> keyLine(const QString& text)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    const QString name = text.left(eq).trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char(';')))
        return std::nullopt;
    QString value = text.mid(eq + 1).trimmed();
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return KeyLine{name, value};
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray readAll(const QString& file, bool* exists)
{
    QFile f(file);
    *exists = f.open(QIODevice::ReadOnly);
    return *exists ? f.readAll() : QByteArray();
}

bool writeAll(const QString& file, const QByteArray& bytes)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(bytes);
    return out.commit();
}

} // namespace

QString ReadIniValue(const QString& section, const QString& key, const QString& file)
{
    bool exists = false;
    const QByteArray bytes = readAll(file, &exists);
    if (!exists)
        return {};
    bool inSection = false;
    for (const Line& line : splitLines(bytes)) {
        const QString text = lineText(bytes, line);
        if (const auto name = sectionName(text)) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto entry = keyLine(text); entry && sameName(entry->name, key))
            return entry->value.left(kIniValueLimit);
    }
    return {};
}

bool WriteIniValue(const QString& section, const QString& key, const QString& value, const QString& file)
{
    bool exists = false;
    QByteArray bytes = readAll(file, &exists);
    const QByteArray eol = (bytes.contains("\r\n") || !bytes.contains('\n')) ? QByteArray("\r\n") : QByteArray("\n");

    const std::vector<Line> lines = splitLines(bytes);
    bool inSection = false;
    bool sectionFound = false;
    qsizetype insertAt = -1; // after the last line of the section that is not blank
    for (const Line& line : lines) {
        const QString text = lineText(bytes, line);
        if (const auto name = sectionName(text)) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = line.next;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (const auto entry = keyLine(text); entry && sameName(entry->name, key)) {
            // Keep the key as it is spelt in the file; replace what follows "=".
            const QString rawName = text.left(text.indexOf(QLatin1Char('='))).trimmed();
            bytes.replace(line.start, line.end - line.start, (rawName + QLatin1Char('=') + value).toUtf8());
            return writeAll(file, bytes);
        }
        if (!text.trimmed().isEmpty())
            insertAt = line.next;
    }

    const QByteArray keyText = (key + QLatin1Char('=') + value).toUtf8() + eol;
    if (sectionFound) {
        // A last line without its line ending gets one before the new key.
        if (insertAt == bytes.size() && !bytes.isEmpty() && !bytes.endsWith('\n')) {
            bytes += eol;
            insertAt = bytes.size();
        }
        bytes.insert(insertAt, keyText);
        return writeAll(file, bytes);
    }
    if (!bytes.isEmpty()) {
        if (!bytes.endsWith('\n'))
            bytes += eol;
        if (!lines.empty() && !lineText(bytes, lines.back()).trimmed().isEmpty())
            bytes += eol;
    }
    bytes += (QLatin1Char('[') + section + QLatin1Char(']')).toUtf8() + eol + keyText;
    return writeAll(file, bytes);
}

bool FileExists(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    f.close();
    return true;
}

} // namespace qnr
