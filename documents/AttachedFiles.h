#pragma once

#include <Connection.h>
#include <ReportList.h>
#include <Services.h>

#include <optional>
#include <QString>
#include <vector>

namespace qnr::documents {

namespace FileFamily {
inline const QString quotationCode = QStringLiteral("1");
inline const QString quotationName = QStringLiteral("Quotation Documents");
inline const QString movesCode = QStringLiteral("2");
inline const QString movesName = QStringLiteral("Moves Documents");
inline const QString accountCode = QStringLiteral("3");
inline const QString accountName = QStringLiteral("Account Documents");
} // namespace FileFamily

namespace FileMessages {
inline const QString deleted = QStringLiteral("Η Εγγραφή/ες Διαγραφικαν απο Βάση των αρχειων!");
inline const QString deletedTitle = QStringLiteral("Deleted");
inline const QString added = QStringLiteral("Η Εγγραφή Καταχωρίθηκε Στην Βάση των αρχειων!");
inline const QString addedTitle = QStringLiteral("Added");
inline const QString descriptionPrompt = QStringLiteral("Please write a file description");
inline const QString descriptionTitle = QStringLiteral("Add File Description");
inline const QString areYouSure = QStringLiteral("Are you sure?");
inline const QString chooseLine = QStringLiteral("Click a file in the list first.");
inline const QString notFound = QStringLiteral("The file cannot be found:\n%1");
} // namespace FileMessages

// One line of a file list.
struct FileLine {
    QString id;
    QString fileType;
    QString description;
    QString fileName;
    QString path;
    bool operator==(const FileLine&) const = default;
};

std::vector<ReportColumn> fileColumns();
ReportRow fileRow(const FileLine& line);
FileLine fileLineOf(const ReportRow& row);

QString movesFilesStatement(const QString& mvId);
QString deleteOldFilesStatement(const QString& mvId);
QString deleteAccountDocumentStatement(const QString& mvId);
// Only the one row the line shows, though other rows may share its Id.
QString deleteFileLineStatement(const QString& mvId, const FileLine& line);

// The file name of a path written with either kind of separator.
QString fileNameOf(const QString& path);

// The attached files of documents (families 2 and 3 of qnrFiles). Deletes and the
// saves they precede run on a short-lived second connection, in one transaction.
class AttachedFiles {
public:
    AttachedFiles(const data::Connection& escape, const Clock& clock)
        : m_escape(escape)
        , m_clock(clock)
    {
    }

    data::MaybeError load(const QString& mvId, std::vector<FileLine>& lines) const;
    FileLine newLine(const QString& path, const QString& description) const;

    // Replaces the document's family-2 rows with the lines, all or nothing.
    data::MaybeError saveMovesFiles(const QString& mvId, const std::vector<FileLine>& lines) const;
    data::MaybeError deleteOldFiles(const QString& mvId) const;
    data::MaybeError deleteLine(const QString& mvId, const FileLine& line) const;

    // The account document (family 3): the last row found, if any.
    data::MaybeError loadAccountDocument(const QString& mvId, std::optional<FileLine>& document) const;
    data::MaybeError saveAccountDocument(const QString& mvId, const FileLine& document) const;

private:
    data::MaybeError inTransaction(const std::function<data::MaybeError(const data::Connection&)>& work) const;
    data::ColumnValues fileValues(const QString& mvId, const FileLine& line, const QString& code,
                                  const QString& family) const;

    const data::Connection& m_escape;
    const Clock& m_clock;
};

} // namespace qnr::documents
