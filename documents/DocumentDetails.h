#pragma once

#include <Connection.h>
#include <ReportList.h>
#include <Services.h>

#include <optional>
#include <QString>
#include <vector>

namespace qnr::documents {

namespace DetailsMessages {
inline const QString has = QStringLiteral(" Εχει Εγγραφες ");
inline const QString hasNot = QStringLiteral(" Δεν εχει Εγγραφες ");
inline const QString title = QStringLiteral("Added");
inline const QString added = QStringLiteral("Η Εγγραφή Καταχωρίθηκε Στην Βάση!");
inline const QString changed = QStringLiteral("Η Μεταβολή Καταχωρίθηκε Στην Βάση!");
inline const QString noWaybill = QStringLiteral("The document has no waybill number to track.");
} // namespace DetailsMessages

// Opened when no tracking address is recorded for the document's carrier; the
// waybill number follows the path.
inline const char* const kDefaultTrackingAddress = "https://parcelsapp.com/en/tracking/";

struct DetailsValues {
    QString detailsId;
    QString mvId;
    QString detailsDate;
    QString suppSO;
    QString suppQT;
    QString quinorQT;
    QString invoiceNumber;
    QString mainCarrier;
    QString mainCarrierAWB;
    QString notes;
};

QString sendTypesStatement();
std::optional<QString> detailsStatement(const QString& mvId);
QString trackingAddressStatement(const QString& carrierName);
QString counterpartiesStatement();
std::optional<QString> counterpartyStatement(const QString& logId);
QString addressesStatement(const QString& logId);

// "Courier (3)": the carrier combo's line for one send type.
QString carrierEntry(const QString& description, const QString& id);
std::vector<ReportColumn> carrierColumns();
std::vector<ReportColumn> addressColumns();
// The address list line and the one-line address text of one LgAddr row.
ReportRow addressRow(const data::Row& row);
QString addressText(const data::Row& row);

// The shipping data of a document (qnrDocumentDetails).
class DocumentDetails {
public:
    DocumentDetails(const data::Connection& escape, const Clock& clock)
        : m_escape(escape)
        , m_clock(clock)
    {
    }

    data::MaybeError hasDetails(const QString& mvId, bool& has) const;
    data::MaybeError load(const QString& mvId, std::optional<DetailsValues>& values) const;
    // Adds the row and marks the document as having details, in one transaction.
    // `stored` receives the row as written (its id and date).
    data::MaybeError add(const QString& mvId, const DetailsValues& values, DetailsValues& stored) const;
    // Changes the loaded row; its SuppSO, id, document and date stay as stored.
    data::MaybeError update(const DetailsValues& loaded, const DetailsValues& values) const;

    // The newest tracking address recorded for the carrier of the entry with the
    // waybill appended, or the default courier page with it.
    data::MaybeError trackingAddress(const QString& carrier, const QString& waybill, QString& address) const;

private:
    const data::Connection& m_escape;
    const Clock& m_clock;
};

} // namespace qnr::documents
