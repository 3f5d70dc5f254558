#include "AttachedFiles.h"

#include "MovesQueries.h"

#include <ClockKey.h>
#include <SqlLiteral.h>

namespace qnr::documents {

std::vector<ReportColumn> fileColumns()
{
    return {{QStringLiteral("Id"), 0.12},
            {QStringLiteral("File Type"), 0.06},
            {QStringLiteral("Description"), 0.25},
            {QStringLiteral("File Name"), 0.2},
            {QStringLiteral("Path"), 0.37}};
}

ReportRow fileRow(const FileLine& line)
{
    ReportRow row;
    row.cells = {line.id, line.fileType, line.description, line.fileName, line.path};
    row.tag = line.fileType;
    return row;
}

FileLine fileLineOf(const ReportRow& row)
{
    auto cell = [&](int i) { return i < row.cells.size() ? row.cells[i] : QString(); };
    return {cell(0), cell(1), cell(2), cell(3), cell(4)};
}

QString movesFilesStatement(const QString& mvId)
{
    return QStringLiteral("SELECT * FROM qnrFiles WHERE MoveID ='") + data::escapedText(mvId) +
           QStringLiteral("' AND fileTypeID='2'");
}

QString deleteOldFilesStatement(const QString& mvId)
{
    return QStringLiteral("DELETE FROM qnrFiles WHERE MoveId ='") + data::escapedText(mvId) +
           QStringLiteral("' AND FileTypeID ='2'");
}

QString deleteAccountDocumentStatement(const QString& mvId)
{
    return QStringLiteral("DELETE FROM qnrFiles WHERE moveId = '") + data::escapedText(mvId) +
           QStringLiteral("' AND FileTypeID='3'");
}

QString deleteFileLineStatement(const QString& mvId, const FileLine& line)
{
    auto equals = [](const char* column, const QString& value) {
        return QStringLiteral("ISNULL(%1, '') = ").arg(QLatin1String(column)) + data::quoted(value.trimmed());
    };
    return QStringLiteral("DELETE TOP (1) FROM qnrFiles WHERE Id = ") + data::quoted(line.id.trimmed()) +
           QStringLiteral(" AND MoveId = ") + data::quoted(mvId) + QStringLiteral(" AND FileTypeID = '2' AND ") +
           equals("FileDescr", line.description) + QStringLiteral(" AND ") + equals("FileName", line.fileName) +
           QStringLiteral(" AND ") + equals("FilePath", line.path);
}

QString fileNameOf(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

data::MaybeError AttachedFiles::load(const QString& mvId, std::vector<FileLine>& lines) const
{
    lines.clear();
    const data::QueryResult result = m_escape.select(movesFilesStatement(mvId));
    if (!result.ok())
        return result.error;
    for (const data::Row row : result.rows) {
        lines.push_back({row.text(QStringLiteral("Id")), row.text(QStringLiteral("FileTypeID")),
                         row.text(QStringLiteral("FileDescr")), row.text(QStringLiteral("FileName")),
                         row.text(QStringLiteral("FilePath"))});
    }
    return std::nullopt;
}

FileLine AttachedFiles::newLine(const QString& path, const QString& description) const
{
    return {QStringLiteral("2_") + clockKey(m_clock), FileFamily::movesCode, description, fileNameOf(path), path};
}

data::MaybeError
AttachedFiles::inTransaction(const std::function<data::MaybeError(const data::Connection&)>& work) const
{
    data::MaybeError error;
    std::unique_ptr<data::Connection> second = m_escape.openSecond(QStringLiteral("qnr-file-delete"), &error);
    if (!second)
        return error;
    data::Transaction transaction(*second);
    if (transaction.startError())
        return transaction.startError();
    if (auto failed = work(*second))
        return failed;
    return transaction.commit();
}

data::ColumnValues AttachedFiles::fileValues(const QString& mvId, const FileLine& line, const QString& code,
                                             const QString& family) const
{
    return {{QStringLiteral("Id"), line.id.trimmed()},
            {QStringLiteral("FileTypeID"), code},
            {QStringLiteral("FileType"), family},
            {QStringLiteral("Date"), m_clock.now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
            {QStringLiteral("MoveId"), mvId},
            {QStringLiteral("FileDescr"), line.description.trimmed()},
            {QStringLiteral("FileName"), line.fileName.trimmed()},
            {QStringLiteral("FilePath"), line.path.trimmed()}};
}

data::MaybeError AttachedFiles::saveMovesFiles(const QString& mvId, const std::vector<FileLine>& lines) const
{
    return inTransaction([&](const data::Connection& connection) -> data::MaybeError {
        if (auto error = connection.execute(deleteOldFilesStatement(mvId)))
            return error;
        for (const FileLine& line : lines) {
            if (auto error = connection.append(QStringLiteral("qnrFiles"),
                                               fileValues(mvId, line, FileFamily::movesCode, FileFamily::movesName)))
                return error;
        }
        return std::nullopt;
    });
}

data::MaybeError AttachedFiles::deleteOldFiles(const QString& mvId) const
{
    return inTransaction([&](const data::Connection& c) { return c.execute(deleteOldFilesStatement(mvId)); });
}

data::MaybeError AttachedFiles::deleteLine(const QString& mvId, const FileLine& line) const
{
    return inTransaction([&](const data::Connection& c) { return c.execute(deleteFileLineStatement(mvId, line)); });
}

data::MaybeError AttachedFiles::loadAccountDocument(const QString& mvId, std::optional<FileLine>& document) const
{
    document.reset();
    const data::QueryResult result = m_escape.select(accountDocumentStatement(mvId));
    if (!result.ok())
        return result.error;
    if (!result.rows.isEmpty()) {
        const data::Row row = result.rows.row(result.rows.size() - 1);
        document = FileLine{row.text(QStringLiteral("Id")), row.text(QStringLiteral("FileTypeID")),
                            row.text(QStringLiteral("FileDescr")), row.text(QStringLiteral("FileName")),
                            row.text(QStringLiteral("FilePath"))};
    }
    return std::nullopt;
}

data::MaybeError AttachedFiles::saveAccountDocument(const QString& mvId, const FileLine& document) const
{
    FileLine row = document;
    row.id = QStringLiteral("3_") + clockKey(m_clock);
    return inTransaction([&](const data::Connection& connection) -> data::MaybeError {
        if (auto error = connection.execute(deleteAccountDocumentStatement(mvId)))
            return error;
        return connection.append(QStringLiteral("qnrFiles"),
                                 fileValues(mvId, row, FileFamily::accountCode, FileFamily::accountName));
    });
}

} // namespace qnr::documents
