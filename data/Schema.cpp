#include "Schema.h"

namespace qnr::data {

namespace {

using T = ColumnType;

std::vector<TableDef> escapeTables()
{
    return {
        {"Users", {{"Username", T::Text}, {"UserPassword", T::Text}, {"UserLevel", T::Integer}}},
        {"Logs",
         {{"LogId", T::Id},
          {"LogEpon", T::Text},
          {"LogAFM", T::Text},
          {"LogTel1", T::Text},
          {"logtype", T::Integer},
          {"logactive", T::Integer}}},
        {"Moves",
         {{"MvId", T::Id},
          {"LogId", T::Id},
          {"MvDate", T::DateTime},
          {"ParastCod", T::Text},
          {"MvSeira", T::Text},
          {"MvArpar", T::Text},
          {"MvParastTitle", T::Text},
          {"MvAitiol", T::Text},
          {"MvEpon", T::Text},
          {"MvTotal", T::Decimal},
          {"CurrExcRate", T::Decimal},
          {"CurrId", T::Integer},
          {"CurrExcId", T::Integer},
          {"CurrExcDate", T::DateTime},
          {"qnrCMR", T::Bit},
          {"qnrDocDetails", T::Bit},
          {"qnrQuote", T::Bit}}},
        {"parast",
         {{"ParastType", T::Integer}, {"ParastLevel", T::Integer}, {"ParastTitle", T::Text}, {"ParastCod", T::Text}}},
        {"stkMoves",
         {{"Id", T::Id},
          {"MvId", T::Id},
          {"StkId", T::Id},
          {"IoLine", T::Integer},
          {"IoStk1", T::Text},
          {"IoQuant1", T::Decimal},
          {"IoNetUnitPrice", T::Decimal},
          {"IoNetAmount", T::Decimal},
          {"IoDTotal", T::Decimal},
          {"logid", T::Id}}},
        {"Stock",
         {{"Id", T::Id},
          {"StkId", T::Id},
          {"StkCod", T::Text},
          {"StkFactoryCod", T::Text},
          {"StkKind", T::Text},
          {"StkStock", T::Decimal},
          {"StkActive", T::Integer},
          {"stkPLU", T::Text},
          {"stkComposition", T::Text},
          {"stkOrigin", T::Text},
          {"stkPlace01", T::Text},
          {"StkLine1", T::Text},
          {"StkLine2", T::Text},
          {"StkLine3", T::Text},
          {"StkLine4", T::Text},
          {"stkWeight", T::Decimal},
          {"stkNetWeight", T::Decimal},
          {"stkWidth", T::Decimal},
          {"stkDepth", T::Decimal},
          {"stkHeight", T::Decimal},
          {"qnrHasDetails", T::Bit}}},
        {"stkImages", {{"stkId", T::Id}, {"StkImgFilename", T::Text}}},
        {"SendTypes", {{"SendTypeId", T::Integer}, {"SendTypeDescr", T::Text}}},
        {"LgAddr",
         {{"LgAddrId", T::Integer},
          {"LogId", T::Id},
          {"LgAddrName", T::Text},
          {"LgAddrNumber", T::Text},
          {"LgAddrStreet", T::Text},
          {"LgAddrArea", T::Text},
          {"LgAddrZip", T::Text},
          {"LgAddrTel1", T::Text},
          {"CityId", T::Integer},
          {"CountryId", T::Integer},
          {"qnrLgAdrrShortCode", T::Text}}},
        {"Cities", {{"CityId", T::Integer}, {"CityDescr", T::Text}}},
        {"Countries", {{"CountryId", T::Integer}, {"CountryDescr", T::Text}}},
        {"Currencies", {{"CurrId", T::Integer}, {"CurrCode", T::Text}}},
        {"LgMoves",
         {{"MvId", T::Id},
          {"LogId", T::Id},
          {"LgMvDate", T::DateTime},
          {"ParastCod", T::Text},
          {"LgMvAitiol", T::Text},
          {"LgMvSeira", T::Text},
          {"LgMvNumber", T::Text},
          {"LgMvCredit", T::Decimal},
          {"LgMvDebit", T::Decimal},
          {"LgMvUpdtFrom", T::Integer},
          {"LgMvCanceled", T::Bit}}},
        {"qnrQuotation",
         {{"QuoteId", T::ClockKey},
          {"QuoteDate", T::DateTime},
          {"QuoteSynalType", T::SmallInt},
          {"QuoteNumber", T::Text},
          {"QuoteSinquence", T::Text},
          {"QuoteSynalto", T::Text},
          {"QuoteSynalFrom", T::Text},
          {"QuoteDescr", T::Text},
          {"QuoteDetails", T::LongText},
          {"QuoteComments", T::Text},
          {"quotestatus", T::Text},
          {"QuoteStatusId", T::SmallInt}}},
        {"qnrQuotationNumbers",
         {{"Id", T::Integer},
          {"ClientQNum", T::Integer},
          {"ClientQSymbol", T::Text},
          {"SupplierQNum", T::Integer},
          {"SupplierQSymbol", T::Text}}},
        {"qnrQuotationSuppliers",
         {{"SupplierId", T::ClockKey},
          {"QuoteId", T::ClockKey},
          {"LogId", T::Text},
          {"SupplierName", T::Text},
          {"QuotationNumber", T::Text}}},
        {"qnrFiles",
         {{"Id", T::Text},
          {"FileTypeID", T::Text},
          {"FileType", T::Text},
          {"Date", T::DateTime},
          {"QuoteId", T::Text},
          {"MoveId", T::Text},
          {"FileDescr", T::Text},
          {"FileName", T::Text},
          {"FilePath", T::Text}}},
        {"qnrDocumentDetails",
         {{"detailsId", T::ClockKey},
          {"MvId", T::Id},
          {"detailsDate", T::DateTime},
          {"SuppSO", T::Text},
          {"SuppQT", T::Text},
          {"QuinorQT", T::Text},
          {"InvoiceNumber", T::Text},
          {"MainCarrier", T::Text},
          {"MainCarrierAWB", T::Text},
          {"QuoteDescrNotes", T::LongText}}},
        {"qnrINVDetails",
         {{"invDetailsId", T::ClockKey},
          {"LogId", T::Text},
          {"MvId", T::Text},
          {"SalesOrderId", T::Text},
          {"QuotationId", T::Text},
          {"qnrQTId", T::Text},
          {"Carrier1", T::Text},
          {"Carrier1AWB", T::Text},
          {"Carrier2", T::Text},
          {"Carrier2AWB", T::Text}}},
        {"qnrCarrierTrackingURL",
         {{"fwTrackID", T::ClockKey}, {"fwCarrierName", T::Text}, {"fwCarrierTrackURL", T::Text}}},
        {"qnrStockLocationsMain",
         {{"StkMainLocationNodeKey", T::Integer},
          {"StkLocationId", T::Text},
          {"StkMainLocationDescription", T::Text},
          {"StkMainLocationSortCode", T::Text},
          {"StkMainLocationBarcode", T::Text}}},
        {"qnrStockLocations",
         {{"stkLocationID", T::Integer},
          {"stkWHCodeID", T::Integer},
          {"stkSubLocationID", T::Integer},
          {"stkLocationName", T::Text}}},
    };
}

std::vector<ViewDef> escapeViews()
{
    // Ledger lines with the amounts of their document. The cash, cheque and card
    // amounts are not kept by this installation's documents and read as zero.
    return {{"vwLogMoves",
             {"LgMvDate", "ParastCod", "LgMvParast", "LgMvAitiol", "LgMvDebit", "LgMvCredit", "MvId", "LgMvCanceled",
              "LogId", "ParastNum", "LgMvUpdtFrom", "MvCreditCardAmount", "CreditCardDescr", "MvCashAmount",
              "MvChecksAmount", "LogBalance"},
             "SELECT L.LgMvDate, L.ParastCod, "
             "COALESCE((SELECT MIN(P.ParastTitle) FROM parast P WHERE P.ParastCod = L.ParastCod), L.ParastCod) "
             "AS LgMvParast, "
             "L.LgMvAitiol, L.LgMvDebit, L.LgMvCredit, L.MvId, L.LgMvCanceled, L.LogId, "
             "L.LgMvNumber AS ParastNum, L.LgMvUpdtFrom, 0 AS MvCreditCardAmount, '' AS CreditCardDescr, "
             "0 AS MvCashAmount, 0 AS MvChecksAmount, "
             "(SELECT SUM(COALESCE(B.LgMvDebit, 0) - COALESCE(B.LgMvCredit, 0)) FROM LgMoves B "
             "WHERE B.LogId = L.LogId AND COALESCE(B.LgMvCanceled, 0) = 0) AS LogBalance "
             "FROM LgMoves L"}};
}

std::vector<TableDef> lomagTables()
{
    return {
        {"qnrLgItems",
         {{"LgItemId", T::Integer},
          {"LgPartNum", T::Text},
          {"LgWarehouse", T::Integer},
          {"LgDescr", T::Text},
          {"LgEscCode", T::Text},
          {"LgAltPartNum", T::Text},
          {"LgBGLang", T::Text},
          {"LgUM", T::Text},
          {"LgVatID", T::Text},
          {"LgOrigin", T::Text},
          {"LgTarrif", T::Text},
          {"LgCondition", T::Text},
          {"LgECCN", T::Text}}},
        // Backing tables of the goods-in view and function: a test installation
        // defines the package's objects over these.
        {"qnrGoodsInNotes",
         {{"GINID", T::Integer}, {"GINDate", T::DateTime}, {"GINNumber", T::Text}, {"ClientName", T::Text}}},
        {"qnrGoodsInLines",
         {{"GINID", T::Integer},
          {"Nr", T::Integer},
          {"Part_Number", T::Text},
          {"Nazwa", T::Text},
          {"Ilosc", T::Decimal},
          {"Numer_Serii", T::Text},
          {"Certificate_Number", T::Text},
          {"Batch_Number", T::Text},
          {"Sales_Order_Num", T::Text}}},
    };
}

std::vector<ViewDef> lomagViews()
{
    return {{"qnrListGINwithCustomers",
             {"GINID", "Date", "GIN", "Client"},
             "SELECT GINID, GINDate AS Date, GINNumber AS GIN, ClientName AS Client FROM qnrGoodsInNotes"}};
}

QString sqlServerType(ColumnType type)
{
    switch (type) {
    case T::Id:
        return "NUMERIC(14, 0)";
    case T::Integer:
        return "INT";
    case T::SmallInt:
        return "SMALLINT";
    case T::Bit:
        return "BIT";
    case T::Decimal:
        return "DECIMAL(19, 4)";
    case T::Text:
        return "NVARCHAR(255)";
    case T::LongText:
        return "NVARCHAR(MAX)";
    case T::ClockKey:
        return "VARCHAR(20)";
    case T::Date:
        return "DATE";
    case T::DateTime:
        return "DATETIME";
    }
    return {};
}

// The embedded engine compares text like the server's case-insensitive collation,
// and dates held as text like the server's date values.
QString sqliteType(ColumnType type)
{
    switch (type) {
    case T::Id:
    case T::Integer:
    case T::SmallInt:
    case T::Bit:
        return "INTEGER";
    case T::Decimal:
        return "NUMERIC";
    case T::Text:
    case T::LongText:
    case T::ClockKey:
        return "TEXT COLLATE QNR_CI";
    case T::Date:
    case T::DateTime:
        return "DATETIME COLLATE QNR_DATE";
    }
    return {};
}

} // namespace

const DatabaseSchema& schemaOf(DatabaseKind kind)
{
    static const DatabaseSchema escape{DatabaseKind::Escape, escapeTables(), escapeViews()};
    static const DatabaseSchema lomag{DatabaseKind::Lomag, lomagTables(), lomagViews()};
    static const DatabaseSchema visualOffice{DatabaseKind::VisualOffice, {}, {}};
    switch (kind) {
    case DatabaseKind::Escape:
        return escape;
    case DatabaseKind::Lomag:
        return lomag;
    case DatabaseKind::VisualOffice:
        break;
    }
    return visualOffice;
}

QStringList searchCertColumns()
{
    return {"Nr",          "Part_Number",        "Nazwa",        "Ilosc",
            "Numer_Serii", "Certificate_Number", "Batch_Number", "Sales_Order_Num"};
}

QString searchCertSelect(const QString& ginId)
{
    return "SELECT " + searchCertColumns().join(", ") + " FROM qnrGoodsInLines WHERE GINID = " + ginId;
}

QString databaseKindName(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Escape:
        return "escape";
    case DatabaseKind::Lomag:
        return "lomag";
    case DatabaseKind::VisualOffice:
        return "voffice";
    }
    return {};
}

QString sqlServerDdl(DatabaseKind kind)
{
    const DatabaseSchema& schema = schemaOf(kind);
    QString ddl;
    for (const TableDef& table : schema.tables) {
        QStringList columns;
        for (const ColumnDef& column : table.columns)
            columns << "    [" + column.name + "] " + sqlServerType(column.type) + " NULL";
        ddl += "CREATE TABLE dbo.[" + table.name + "] (\n" + columns.join(",\n") + "\n);\nGO\n\n";
    }
    for (const ViewDef& view : schema.views)
        ddl += "CREATE VIEW dbo.[" + view.name + "] AS\n" + view.select + ";\nGO\n\n";
    if (kind == DatabaseKind::Lomag) {
        ddl += "CREATE FUNCTION dbo.SearchCert(@GINID INT)\nRETURNS TABLE\nAS\nRETURN (" + searchCertSelect("@GINID") +
               ");\nGO\n\n";
    }
    return ddl;
}

QString sqliteDdl(DatabaseKind kind)
{
    const DatabaseSchema& schema = schemaOf(kind);
    QString ddl;
    for (const TableDef& table : schema.tables) {
        QStringList columns;
        for (const ColumnDef& column : table.columns)
            columns << "    [" + column.name + "] " + sqliteType(column.type);
        ddl += "CREATE TABLE [" + table.name + "] (\n" + columns.join(",\n") + "\n);\n";
    }
    for (const ViewDef& view : schema.views)
        ddl += "CREATE VIEW [" + view.name + "] AS " + view.select + ";\n";
    return ddl;
}

} // namespace qnr::data
