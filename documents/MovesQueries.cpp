#include "MovesQueries.h"

#include <SqlLiteral.h>

namespace qnr::documents {

QStringList documentCodes(bool salesInvoices, bool deliveryNotes, bool purchaseInvoices)
{
    QStringList codes;
    if (deliveryNotes)
        codes << QStringLiteral("CDN") << QStringLiteral("ΔΑΠΡΟ");
    if (salesInvoices)
        codes << QStringLiteral("CINV");
    if (purchaseInvoices)
        codes << QStringLiteral("SINV");
    return codes;
}

QString fromDateText(const QDate& from)
{
    return from.toString(QStringLiteral("yyyy-MM-dd"));
}

QString toDateText(const QDate& to)
{
    // .997 is the last moment a server datetime holds before midnight.
    return to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59.997");
}

static QString singleCodeStatement(const QString& code, const QDate& from, const QDate& to)
{
    return QStringLiteral("SELECT * FROM Moves WHERE ParastCod ='") + data::escapedText(code) +
           QStringLiteral("' and MvDate >='") + fromDateText(from) + QStringLiteral("' and MvDate <='") +
           toDateText(to) + QStringLiteral("' ORDER BY MvDate");
}

QString movesStatement(const QStringList& codes, const QDate& from, const QDate& to)
{
    if (codes.size() == 1)
        return singleCodeStatement(codes.first(), from, to);
    const bool deliveryPairAlone = codes == QStringList{QStringLiteral("CDN"), QStringLiteral("ΔΑΠΡΟ")};
    const QString closing =
        deliveryPairAlone ? QStringLiteral("') AND MvDate >='") : QStringLiteral("' ) AND MvDate >='");
    QStringList escaped;
    for (const QString& code : codes)
        escaped << data::escapedText(code);
    return QStringLiteral("SELECT * FROM Moves WHERE ParastCod IN ('") + escaped.join(QStringLiteral("','")) + closing +
           fromDateText(from) + QStringLiteral("' AND MvDate <='") + toDateText(to) +
           QStringLiteral("' ORDER BY MvDate");
}

QString warehouseStatement(const QString& code, const QDate& from, const QDate& to)
{
    return singleCodeStatement(code, from, to);
}

QString warehouseKindsStatement()
{
    return QStringLiteral("SELECT * FROM parast WHERE ParastType = 1 AND ParastLevel = 3 ORDER BY ParastTitle");
}

std::optional<QString> documentItemsStatement(const QString& mvId)
{
    const auto id = data::digitsOnly(mvId);
    if (!id)
        return std::nullopt;
    return QStringLiteral("SELECT stkMoves.*,Stock.StkFactoryCod FROM stkMoves LEFT OUTER JOIN Stock ON Stock.StkId = "
                          "stkMoves.StkId WHERE MvId = ") +
           *id + QStringLiteral(" ORDER BY MvId, IoLine");
}

std::optional<QString> documentStatement(const QString& mvId)
{
    const auto id = data::digitsOnly(mvId);
    if (!id)
        return std::nullopt;
    return QStringLiteral("SELECT * FROM Moves WHERE MvId =") + *id;
}

QString accountDocumentStatement(const QString& mvId)
{
    return QStringLiteral("SELECT * FROM qnrfiles WHERE MoveId ='") + data::escapedText(mvId) +
           QStringLiteral("' AND FileTypeID = '3'");
}

} // namespace qnr::documents
