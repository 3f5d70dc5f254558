#pragma once

#include <optional>
#include <QDate>
#include <QString>
#include <QStringList>

namespace qnr::documents {

// The kind codes the three check boxes choose, always in the order CDN, ΔΑΠΡΟ,
// CINV, SINV. Empty when none is ticked.
QStringList documentCodes(bool salesInvoices, bool deliveryNotes, bool purchaseInvoices);

// "YYYY-MM-DD" of the from date; the to date carries the last moment of its day,
// so documents dated on the to day after midnight stay in the range.
QString fromDateText(const QDate& from);
QString toDateText(const QDate& to);

// The documents of the codes in the date range: the single-code form for one code,
// the list form for several.
QString movesStatement(const QStringList& codes, const QDate& from, const QDate& to);
// The warehouse documents of one kind code (the code label's caption, unchanged).
QString warehouseStatement(const QString& code, const QDate& from, const QDate& to);

QString warehouseKindsStatement();

// The document's item lines; no statement for an id that is not digits only.
std::optional<QString> documentItemsStatement(const QString& mvId);
std::optional<QString> documentStatement(const QString& mvId);
QString accountDocumentStatement(const QString& mvId);

inline constexpr double kLevaPerEuro = 1.95583;

namespace MovesMessages {
inline const QString noKind = QStringLiteral("A document time must be selected");
inline const QString noKindTitle = QStringLiteral("Warning!!!");
inline const QString noDocument = QStringLiteral("Select a document in the list first.");
} // namespace MovesMessages

} // namespace qnr::documents
