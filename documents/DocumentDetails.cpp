#include "DocumentDetails.h"

#include "MovesQueries.h"

#include <ClockKey.h>
#include <CounterpartyEntry.h>
#include <SqlLiteral.h>

namespace qnr::documents {

QString sendTypesStatement()
{
    return QStringLiteral("SELECT * FROM SendTypes Order By SendTypeDescr");
}

std::optional<QString> detailsStatement(const QString& mvId)
{
    const auto id = data::digitsOnly(mvId);
    if (!id)
        return std::nullopt;
    return QStringLiteral("SELECT * FROM qnrDocumentDetails WHERE MvId =") + *id;
}

QString trackingAddressStatement(const QString& carrierName)
{
    return QStringLiteral("SELECT * FROM qnrCarrierTrackingURL WHERE fwCarrierName = ") + data::quoted(carrierName) +
           QStringLiteral(" ORDER BY fwTrackID DESC");
}

QString counterpartiesStatement()
{
    return QStringLiteral("SELECT * FROM Logs Order By LogEpon");
}

std::optional<QString> counterpartyStatement(const QString& logId)
{
    const auto id = data::digitsOnly(logId);
    if (!id)
        return std::nullopt;
    return QStringLiteral("SELECT * FROM Logs WHERE LogId=") + *id;
}

QString addressesStatement(const QString& logId)
{
    return QStringLiteral("SELECT dbo.LgAddr.*, dbo.Cities.CityDescr, dbo.Countries.CountryDescr FROM dbo.LgAddr INNER "
                          "JOIN dbo.Countries ON dbo.LgAddr.CountryId = dbo.Countries.CountryId INNER JOIN dbo.Cities "
                          "ON "
                          "dbo.LgAddr.CityId = dbo.Cities.CityId WHERE dbo.LgAddr.LogId ='") +
           data::escapedText(logId) + QStringLiteral("'");
}

QString carrierEntry(const QString& description, const QString& id)
{
    return counterpartyEntry(description, id);
}

std::vector<ReportColumn> carrierColumns()
{
    // 100, 100, 3000 and 5000 twips of a list about 8200 twips wide.
    return {{QStringLiteral("Id"), 0.012},
            {QStringLiteral("CarrierId"), 0.012},
            {QStringLiteral("Carrier Name"), 0.366},
            {QStringLiteral("Waybill Number"), 0.61}};
}

std::vector<ReportColumn> addressColumns()
{
    return {{QStringLiteral("Address Id"), 0.08},  {QStringLiteral("Name"), 0.15},
            {QStringLiteral("Full Address"), 0.3}, {QStringLiteral("City"), 0.12},
            {QStringLiteral("Country"), 0.12},     {QStringLiteral("Telephone"), 0.15}};
}

static QString fullAddress(const data::Row& row)
{
    return row.text(QStringLiteral("LgAddrNumber")) + QLatin1Char(',') + row.text(QStringLiteral("LgAddrStreet")) +
           QLatin1Char(',') + row.text(QStringLiteral("LgAddrArea")) + QLatin1Char(',') +
           row.text(QStringLiteral("LgAddrZip"));
}

ReportRow addressRow(const data::Row& row)
{
    ReportRow line;
    line.cells = {row.id(QStringLiteral("LgAddrId")),
                  row.text(QStringLiteral("LgAddrName")),
                  fullAddress(row),
                  row.text(QStringLiteral("CityDescr")),
                  row.text(QStringLiteral("CountryDescr")),
                  row.text(QStringLiteral("LgAddrTel1"))};
    line.tag = row.id(QStringLiteral("LgAddrId"));
    return line;
}

QString addressText(const data::Row& row)
{
    return row.id(QStringLiteral("LgAddrId")) + QLatin1Char('-') + fullAddress(row) + QLatin1Char('-') +
           row.text(QStringLiteral("CityDescr")) + QLatin1Char('-') + row.text(QStringLiteral("CountryDescr")) +
           QLatin1Char('-') + row.text(QStringLiteral("LgAddrTel1"));
}

data::MaybeError DocumentDetails::hasDetails(const QString& mvId, bool& has) const
{
    has = false;
    const auto statement = documentStatement(mvId);
    if (!statement)
        return data::DbError::statement(QStringLiteral("Not a document id: ") + mvId);
    const data::QueryResult result = m_escape.select(*statement);
    if (!result.ok())
        return result.error;
    for (const data::Row row : result.rows)
        has = row.flag(QStringLiteral("qnrDocDetails"));
    return std::nullopt;
}

data::MaybeError DocumentDetails::load(const QString& mvId, std::optional<DetailsValues>& values) const
{
    values.reset();
    const auto statement = detailsStatement(mvId);
    if (!statement)
        return data::DbError::statement(QStringLiteral("Not a document id: ") + mvId);
    const data::QueryResult result = m_escape.select(*statement);
    if (!result.ok())
        return result.error;
    for (const data::Row row : result.rows) {
        const QDateTime date = row.dateTime(QStringLiteral("detailsDate"));
        values = DetailsValues{row.text(QStringLiteral("detailsId")),
                               row.id(QStringLiteral("MvId")),
                               date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString(),
                               row.text(QStringLiteral("SuppSO")),
                               row.text(QStringLiteral("SuppQT")),
                               row.text(QStringLiteral("QuinorQT")),
                               row.text(QStringLiteral("InvoiceNumber")),
                               row.text(QStringLiteral("MainCarrier")),
                               row.text(QStringLiteral("MainCarrierAWB")),
                               row.text(QStringLiteral("QuoteDescrNotes"))};
    }
    return std::nullopt;
}

data::MaybeError DocumentDetails::add(const QString& mvId, const DetailsValues& values, DetailsValues& stored) const
{
    if (!data::isDigitsOnly(mvId))
        return data::DbError::statement(QStringLiteral("Not a document id: ") + mvId);
    const QDateTime now = m_clock.now();
    stored = values;
    stored.detailsId = clockKey(now);
    stored.mvId = mvId;
    stored.detailsDate = now.toString(QStringLiteral("dd/MM/yyyy"));
    data::Transaction transaction(m_escape);
    if (transaction.startError())
        return transaction.startError();
    if (auto error = m_escape.append(QStringLiteral("qnrDocumentDetails"),
                                     {{QStringLiteral("detailsId"), stored.detailsId},
                                      {QStringLiteral("MvId"), mvId},
                                      {QStringLiteral("detailsDate"), now.toString(QStringLiteral("yyyy-MM-dd"))},
                                      {QStringLiteral("SuppSO"), values.suppSO},
                                      {QStringLiteral("SuppQT"), values.suppQT},
                                      {QStringLiteral("QuinorQT"), values.quinorQT},
                                      {QStringLiteral("InvoiceNumber"), values.invoiceNumber},
                                      {QStringLiteral("MainCarrier"), values.mainCarrier},
                                      {QStringLiteral("MainCarrierAWB"), values.mainCarrierAWB},
                                      {QStringLiteral("QuoteDescrNotes"), values.notes}}))
        return error;
    // The documents list and the details load go by this flag.
    if (auto error = m_escape.update(QStringLiteral("Moves"), {{QStringLiteral("qnrDocDetails"), 1}},
                                     QStringLiteral("MvId"), mvId))
        return error;
    return transaction.commit();
}

data::MaybeError DocumentDetails::update(const DetailsValues& loaded, const DetailsValues& values) const
{
    return m_escape.update(QStringLiteral("qnrDocumentDetails"),
                           {{QStringLiteral("SuppQT"), values.suppQT},
                            {QStringLiteral("QuinorQT"), values.quinorQT},
                            {QStringLiteral("InvoiceNumber"), values.invoiceNumber},
                            {QStringLiteral("MainCarrier"), values.mainCarrier},
                            {QStringLiteral("MainCarrierAWB"), values.mainCarrierAWB},
                            {QStringLiteral("QuoteDescrNotes"), values.notes}},
                           {{QStringLiteral("detailsId"), loaded.detailsId}, {QStringLiteral("MvId"), loaded.mvId}});
}

data::MaybeError DocumentDetails::trackingAddress(const QString& carrier, const QString& waybill,
                                                  QString& address) const
{
    const qsizetype bracket = carrier.indexOf(QLatin1Char('('));
    const QString name = (bracket < 0 ? carrier : carrier.left(bracket)).trimmed();
    address = QString::fromLatin1(kDefaultTrackingAddress) + waybill.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    const data::QueryResult result = m_escape.select(trackingAddressStatement(name));
    if (!result.ok())
        return result.error;
    if (!result.rows.isEmpty()) {
        const QString recorded = result.rows.row(0).text(QStringLiteral("fwCarrierTrackURL")).trimmed();
        if (!recorded.isEmpty())
            address = recorded + waybill.trimmed();
    }
    return std::nullopt;
}

} // namespace qnr::documents
