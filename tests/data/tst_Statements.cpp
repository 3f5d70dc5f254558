// Every statement the program sends runs on the embedded engine, with sample values
// taken from a small demo fixture; the ones whose meaning is subtle have their rows
// checked.
#include "Connection.h"
#include "DemoFixture.h"
#include "SqlLiteral.h"

#include <QtTest>

using namespace qnr::data;

namespace {

QString accountBalanceQuery(const QString& from, const QString& to, const QString& logId)
{
    const QString before = "LgMvDate < '" + from + "'";
    const QString item7 =
        "WHERE LgMoves.LogId = vwLogMoves.LogId AND ISNULL(LgMvCanceled, 0) = 0 AND " + before + "), 0)) > 0 THEN ";
    const QString item8 = "ISNULL((SELECT SUM(ISNULL(LgMoves.LgMvCredit, 0)) ";
    const QString item10 =
        "WHERE LgMoves.LogId = vwLogMoves.LogId AND ISNULL(LgMvCanceled, 0) = 0 AND " + before + "), 0) ELSE ";
    const QString item11 = "ISNULL((SELECT SUM(ISNULL(LgMoves.LgMvDebit, 0)) ";
    return QStringList{
        "SELECT ISNULL ",
        "((SELECT SUM(ISNULL(LgMvDebit, 0)) AS Expr1 ",
        "FROM dbo.LgMoves AS LgMoves_1 ",
        "WHERE(LogId = dbo.vwLogMoves.LogId) AND (ISNULL(LgMvCanceled, 0) = 0) AND (" + before + ")), 0) - CASE WHEN ",
        "(ISNULL((SELECT SUM(ISNULL(LgMoves.LgMvDebit, 0) - ISNULL(LgMoves.LgMvCredit, 0))",
        "From LgMoves ",
        item7,
        item8,
        "FROM LgMoves ",
        item10,
        item11,
        "FROM LgMoves ",
        "WHERE LgMoves.LogId = vwLogMoves.LogId AND ISNULL(LgMvCanceled, 0) = 0 AND " + before +
            "), 0) END AS PrevDebits, ",
        "ISNULL((SELECT SUM(ISNULL(LgMvCredit, 0)) AS Expr1 ",
        "FROM dbo.LgMoves AS LgMoves ",
        "WHERE (LogId = dbo.vwLogMoves.LogId) AND (ISNULL(LgMvCanceled, 0) = 0) AND (" + before + ")), 0) - CASE WHEN ",
        "(ISNULL((SELECT SUM(ISNULL(LgMoves.LgMvDebit, 0) - ISNULL(LgMoves.LgMvCredit, 0)) ",
        "FROM LgMoves ",
        item7,
        item8,
        "FROM LgMoves ",
        item10,
        item11,
        "FROM LgMoves ",
        "WHERE LgMoves.LogId = vwLogMoves.LogId AND ISNULL(LgMvCanceled, 0) = 0 AND " + before +
            "), 0) END AS PrevCredits,",
        "dbo.vwLogMoves.LgMvDate,dbo.vwLogMoves.ParastCod,dbo.vwLogMoves.LgMvParast,dbo.vwLogMoves."
        "LgMvAitiol,dbo."
        "vwLogMoves.LgMvDebit,",
        "dbo.vwLogMoves.LgMvCredit,dbo.vwLogMoves.MvId,dbo.vwLogMoves.LgMvCanceled,dbo.vwLogMoves.LogId,dbo."
        "vwLogMoves."
        "ParastNum,",
        "dbo.vwLogMoves.LgMvUpdtFrom,dbo.vwLogMoves.MvCreditCardAmount,dbo.vwLogMoves.CreditCardDescr,dbo."
        "vwLogMoves."
        "MvCashAmount,",
        "dbo.vwLogMoves.MvChecksAmount,dbo.vwLogMoves.LogBalance,dbo.Moves.MvId AS "
        "Expr1,dbo.Moves.CurrId,dbo.Moves."
        "CurrExcId,",
        "dbo.Moves.CurrExcRate,dbo.Moves.CurrExcDate ",
        "FROM dbo.vwLogMoves INNER JOIN ",
        "dbo.Moves ON dbo.vwLogMoves.MvId = dbo.Moves.MvId ",
        "WHERE (ISNULL(dbo.vwLogMoves.LgMvCanceled, 0) = 0) AND (dbo.vwLogMoves.LgMvDate >= '" + from +
            "') AND (dbo.vwLogMoves.LgMvDate <= '" + to + " 23:59:59.999') AND ",
        "(dbo.vwLogMoves.LogId = '" + logId + "') ",
        "ORDER BY LogId,LgMvDate"}
        .join(QString());
}

} // namespace

class tst_Statements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyStatementRuns_data();
    void everyStatementRuns();
    void statementsWithoutRows_data();
    void statementsWithoutRows();
    void comparisonsFollowTheServer_data();
    void comparisonsFollowTheServer();
    void dateRangeComparesAsText();
    void randomStockItems();
    void goodsInFunction();
    void accountBalanceOpeningBalances();

private:
    QString fill(QString statement) const;
    QueryResult run(const QString& database, const QString& statement);

    qnr::test::DemoFixture m_fixture{600, 400};
    Connection& m_escape = m_fixture.connections().escape;
    Connection& m_lomag = m_fixture.connections().lomag;
    QMap<QString, QString> m_values;
};

void tst_Statements::initTestCase()
{
    QVERIFY2(m_fixture.ok(), qPrintable(m_fixture.error()));

    auto first = [&](const QString& sql, const QString& column) {
        const QueryResult r = m_escape.select(sql);
        return r.rows.isEmpty() ? QString() : r.rows.row(0).id(column);
    };
    m_values["LOGID"] = first("SELECT * FROM Logs WHERE logtype = 1 ORDER BY LogId", "LogId");
    m_values["MVID"] = first("SELECT * FROM Moves WHERE ParastCod = 'CINV' ORDER BY MvId", "MvId");
    m_values["CQTID"] = first("SELECT * FROM Moves WHERE ParastCod = 'CQT' ORDER BY MvId", "MvId");
    m_values["QUOTEID"] = first("SELECT * FROM qnrQuotation ORDER BY QuoteId", "QuoteId");
    m_values["QUOTEENTRY"] = first("SELECT * FROM qnrQuotation ORDER BY QuoteId", "QuoteSynalto");
    m_values["STKID"] = "5";
    m_values["WH"] = "1";
    m_values["GINID"] = "15535";
    m_values["GIN"] =
        m_lomag.select("SELECT * FROM qnrListGINwithCustomers WHERE GINID = 15535").rows.row(0).text("GIN");
    m_values["WHNAME"] = "Sofia Airport Warehouse";
    for (const QString& v : m_values)
        QVERIFY(!v.isEmpty());
}

QString tst_Statements::fill(QString statement) const
{
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        statement.replace("{" + it.key() + "}", it.value());
    return statement;
}

QueryResult tst_Statements::run(const QString& database, const QString& statement)
{
    return (database == "lomag" ? m_lomag : m_escape).select(fill(statement));
}

void tst_Statements::everyStatementRuns_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("hasRows");

    const QList<std::tuple<const char*, const char*, const char*, bool>> cases = {
        // login and users
        {"users", "escape", "SELECT * FROM Users", true},
        {"user lookup", "escape", "SELECT * FROM Users WHERE UserName='Tomrik'", true},
        // quotation register and browser
        {"counters", "escape", "SELECT * FROM qnrQuotationNumbers", true},
        {"counter row", "escape", "SELECT * FROM qnrQuotationNumbers WHERE Id=1", true},
        {"clients", "escape", "SELECT * FROM Logs WHERE logtype = 1 Order By LogEpon", true},
        {"suppliers", "escape", "SELECT * FROM Logs WHERE logtype = 2 Order By LogEpon", true},
        {"quotations", "escape", "SELECT * FROM qnrQuotation", true},
        {"files", "escape", "SELECT * FROM qnrFiles", false},
        {"incomplete", "escape",
         "Select * from qnrQuotation WHERE QuoteSynalType = 0  AND QuoteStatusId <> 9 AND QuoteStatusId <> "
         "10 ORDER BY QuoteDate",
         true},
        {"all of a type", "escape", "Select * from qnrQuotation WHERE QuoteSynalType = 0 ORDER BY QuoteDate", true},
        {"completed", "escape",
         "Select * from qnrQuotation WHERE QuoteSynalType = 0  AND (QuoteStatusId = 9 OR QuoteStatusId = 10) "
         "ORDER BY QuoteDate",
         true},
        {"by status", "escape", "Select * from qnrQuotation WHERE QuoteStatusId =3 ORDER BY QuoteDate", true},
        {"by counterparty", "escape",
         "Select * from qnrQuotation WHERE QuoteSynalTo ='{QUOTEENTRY}' ORDER BY QuoteDate", true},
        {"one quotation", "escape", "SELECT * FROM qnrQuotation WHERE QuoteId={QUOTEID}", true},
        // quote entry
        {"quotation documents", "escape",
         "SELECT * FROM Moves WHERE ParastCod ='CQT' and MvDate >='2025-01-01' and MvDate <='2026-12-31' "
         "ORDER BY MvDate",
         true},
        {"active clients", "escape", "Select * from Logs where logtype = 1 and logactive = 1 order by logepon", true},
        {"active suppliers", "escape", "Select * from Logs where logtype = 2 and logactive = 1 order by logepon", true},
        {"item count", "escape", "select count(*)AS NumOfRows FROM stkMoves where MvId={CQTID}", true},
        {"items with stock", "escape",
         "SELECT * From dbo.stkMoves INNER JOIN dbo.Stock ON dbo.stkMoves.StkId = dbo.Stock.StkId Where "
         "(dbo.stkMoves.MvId ={CQTID})",
         true},
        // quotation suppliers and files
        {"quotation suppliers", "escape", "SELECT * FROM qnrQuotationSuppliers WHERE QuoteId ={QUOTEID}", true},
        {"all quotation suppliers", "escape", "SELECT * FROM qnrQuotationSuppliers", true},
        {"quotation files", "escape", "SELECT * FROM qnrFiles WHERE QuoteId ={QUOTEID}", false},
        // documents browser
        {"single kind", "escape",
         "SELECT * FROM Moves WHERE ParastCod ='CINV' and MvDate >='2026-12-01' and MvDate <='2026-12-31' "
         "ORDER BY MvDate",
         true},
        {"delivery notes", "escape",
         "SELECT * FROM Moves WHERE ParastCod IN ('CDN','ΔΑΠΡΟ') AND MvDate >='2026-12-01' AND MvDate "
         "<='2026-12-31' ORDER BY MvDate",
         true},
        {"all kinds", "escape",
         "SELECT * FROM Moves WHERE ParastCod IN ('CDN','ΔΑΠΡΟ','CINV','SINV' ) AND MvDate >='2026-12-01' "
         "AND MvDate <='2026-12-31' ORDER BY MvDate",
         true},
        {"account document", "escape", "SELECT * FROM qnrfiles WHERE MoveId ='{MVID}' AND FileTypeID = '3'", false},
        {"document items", "escape",
         "SELECT stkMoves.*,Stock.StkFactoryCod FROM stkMoves LEFT OUTER JOIN Stock ON Stock.StkId = "
         "stkMoves.StkId WHERE MvId = {MVID} ORDER BY MvId, IoLine",
         true},
        {"warehouse kinds", "escape",
         "SELECT * FROM parast WHERE ParastType = 1 AND ParastLevel = 3 ORDER BY ParastTitle", true},
        // attached files and details
        {"document files", "escape", "SELECT * FROM qnrFiles WHERE MoveID ='{MVID}' AND fileTypeID='2'", false},
        {"send types", "escape", "SELECT * FROM SendTypes Order By SendTypeDescr", true},
        {"one document", "escape", "SELECT * FROM Moves WHERE MvId ={MVID}", true},
        {"document details", "escape", "SELECT * FROM qnrDocumentDetails WHERE MvId ={MVID}", false},
        {"all details", "escape", "SELECT * FROM qnrDocumentDetails", true},
        {"counterparties", "escape", "SELECT * FROM Logs Order By LogEpon", true},
        {"one counterparty", "escape", "SELECT * FROM Logs WHERE LogId={LOGID}", true},
        {"addresses", "escape",
         "SELECT dbo.LgAddr.*, dbo.Cities.CityDescr, dbo.Countries.CountryDescr FROM dbo.LgAddr INNER JOIN "
         "dbo.Countries ON "
         "dbo.LgAddr.CountryId = dbo.Countries.CountryId INNER JOIN dbo.Cities ON dbo.LgAddr.CityId = "
         "dbo.Cities.CityId WHERE "
         "dbo.LgAddr.LogId ='{LOGID}'",
         true},
        // invoice details
        {"ledger of a year", "escape",
         "select * from lgmoves where logid = {LOGID} and lgmvupdtfrom = 1 and lgmvdate BETWEEN '2019-01-01 "
         "00:00:00' AND '2026-12-31 23:59:59'",
         true},
        {"invoice item count", "escape", "select count(*)AS NumOfRows FROM stkMoves where MvId={MVID} ", true},
        {"invoice items", "escape",
         "select * from dbo.stkMoves INNER JOIN dbo.Stock ON dbo.stkMoves.StkId = dbo.Stock.StkId where "
         "dbo.stkmoves.logid = {LOGID} and dbo.stkmoves.mvid={MVID} ",
         true},
        {"invoice details", "escape", "SELECT * FROM qnrINVDetails WHERE LogId =1 and MvId =2", false},
        {"all invoice details", "escape", "SELECT * FROM qnrINVDetails", false},
        {"tracking addresses", "escape", "SELECT * FROM qnrCarrierTrackingURL", true},
        {"currencies", "escape", "SELECT * FROM Currencies Order By CurrId", true},
        // stock
        {"all stock", "escape", "Select * from stock order by StkCod", true},
        {"stock by part number", "escape",
         "SELECT * FROM Stock WHERE StkfactoryCod LIKE 'MS%' AND StkActive = 1 ORDER BY StkCod", true},
        {"stock by description", "escape",
         "SELECT * FROM Stock WHERE StkKind LIKE 'nut%' AND StkActive = 1 ORDER BY StkCod", true},
        {"stock by both", "escape",
         "SELECT * FROM Stock WHERE StkKind LIKE 'NUT%' AND StkfactoryCod LIKE '%' AND StkActive = 1 ORDER "
         "BY StkCod",
         true},
        {"stock ordered", "escape", "SELECT * FROM Stock ORDER BY StkCod", true},
        {"stock quoted id", "escape", "SELECT * FROM Stock WHERE StkId ='{STKID}'", true},
        {"stock id", "escape", "SELECT * FROM Stock WHERE stkId ={STKID}", true},
        {"stock pictures", "escape", "SELECT * FROM stkImages WHERE stkId ={STKID}", false},
        {"exact part number", "escape", "SELECT * FROM Stock WHERE stkFactoryCod='AA48110-2'", true},
        // certificates and Lomag items
        {"goods-in notes", "lomag", "SELECT * FROM qnrListGINwithCustomers", true},
        {"one goods-in note", "lomag", "SELECT * FROM qnrListGINwithCustomers WHERE GIN='{GIN}'", true},
        {"goods-in items", "lomag", "SELECT * FROM dbo.SearchCert({GINID})", true},
        {"fixed goods-in items", "lomag", "SELECT * FROM dbo.SearchCert(15555)", false},
        {"lomag items", "lomag",
         "SELECT * FROM qnrLgItems WHERE LgPartNum='AA48110-2' AND LgWarehouse =10 ORDER BY LgPartNum", true},
        // options and locations
        {"warehouses", "escape", "SELECT * FROM LgAddr WHERE LogId = 99999999999999 Order By LgAddrName", true},
        {"warehouse count", "escape", "SELECT count(*) as RecNum FROM LgAddr WHERE LogId = 99999999999999", true},
        {"top locations", "escape", "SELECT * FROM qnrStockLocations Where stkWHCodeID = {WH} And stkSubLocationID = 0",
         true},
        {"top location count", "escape",
         "SELECT count(*) as RecNum FROM qnrStockLocations Where stkWHCodeID = {WH} And stkSubLocationID = 0", true},
        {"child locations", "escape",
         "SELECT * FROM qnrStockLocations Where stkWHCodeID = {WH} And stkSubLocationID = 1", true},
        {"warehouse by name", "escape", "Select * FROM LgAddr WHERE LogId = 99999999999999 AND LgAddrName ='{WHNAME}'",
         true},
        {"main locations", "escape", "SELECT * FROM qnrStockLocationsMain", true},
        {"main locations ordered", "escape", "SELECT * FROM qnrStockLocationsMain ORDER BY StkMainLocationDescription",
         true},
    };
    for (const auto& [name, database, statement, hasRows] : cases)
        QTest::newRow(name) << QString(database) << QString::fromUtf8(statement) << hasRows;
}

void tst_Statements::everyStatementRuns()
{
    QFETCH(QString, database);
    QFETCH(QString, statement);
    QFETCH(bool, hasRows);
    const QueryResult result = run(database, statement);
    QVERIFY2(result.ok(), qPrintable(result.error ? result.error->description : QString()));
    if (hasRows)
        QVERIFY2(!result.rows.isEmpty(), qPrintable(fill(statement)));
}

void tst_Statements::statementsWithoutRows_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("fails");
    const QList<std::tuple<const char*, const char*, bool>> cases = {
        {"drop a missing report view", "DROP VIEW dbo.zzQNRTemp", true},
        {"label view", "CREATE VIEW dbo.zzTmpLabel AS SELECT TOP 100 PERCENT * FROM Stock WHERE stkId ={STKID}", false},
        {"grant", "GRANT SELECT, UPDATE, INSERT, DELETE ON dbo.zzTmpLabel TO PUBLIC", false},
        {"drop the label view", "DROP VIEW dbo.zzTmpLabel", false},
        {"delete quotation suppliers", "DELETE FROM qnrQuotationSuppliers WHERE QuoteId ={QUOTEID}", false},
        {"delete quotation files", "DELETE FROM qnrFiles WHERE QuoteId ={QUOTEID}", false},
        {"delete one file", "DELETE FROM qnrFiles WHERE Id = '2_202612111608363612'", false},
        {"delete old files", "DELETE FROM qnrFiles WHERE MoveId ='{MVID}' AND FileTypeID ='2'", false},
        {"delete the account document", "DELETE FROM qnrFiles WHERE moveId = '{MVID}' AND FileTypeID='3'", false},
    };
    for (const auto& [name, statement, fails] : cases)
        QTest::newRow(name) << QString::fromUtf8(statement) << fails;
}

void tst_Statements::statementsWithoutRows()
{
    QFETCH(QString, statement);
    QFETCH(bool, fails);
    const MaybeError error = m_escape.execute(fill(statement));
    QVERIFY2(error.has_value() == fails, qPrintable(error ? error->description : fill(statement)));
}

void tst_Statements::comparisonsFollowTheServer_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("rows");
    QTest::newRow("trailing blanks of the stored name") << "SELECT * FROM Users WHERE UserName='Tomrik'" << 1;
    QTest::newRow("letter case") << "SELECT * FROM Users WHERE UserName='TOMRIK'" << 1;
    QTest::newRow("greek letter case") << "SELECT * FROM Users WHERE UserName='ΓΙΏΡΓΟΣ'" << 1;
    QTest::newRow("greek kind code") << "SELECT * FROM Moves WHERE ParastCod ='δαπρο' AND MvId = 0" << 0;
    QTest::newRow("apostrophe as data") << "SELECT * FROM Users WHERE UserName='O''Brien'" << 1;
    QTest::newRow("greek LIKE") << "SELECT * FROM Logs WHERE LogEpon LIKE 'αεροτεχνικη αε'" << 1;
    QTest::newRow("LIKE single character") << "SELECT * FROM Stock WHERE StkFactoryCod LIKE 'aa48110-_'" << 1;
    QTest::newRow("clock key compared with a number") << "SELECT * FROM qnrQuotation WHERE QuoteId={QUOTEID}" << 1;
    QTest::newRow("numeric id compared with text") << "SELECT * FROM Logs WHERE LogId='{LOGID}'" << 1;
    QTest::newRow("IN list") << "SELECT * FROM Currencies WHERE CurrCode IN ('eur','usd')" << 2;
    QTest::newRow("CASE WHEN") << "SELECT * FROM Currencies WHERE (CASE WHEN CurrId > 2 THEN 1 ELSE 0 END) = 1" << 2;
}

void tst_Statements::comparisonsFollowTheServer()
{
    QFETCH(QString, statement);
    QFETCH(int, rows);
    const QueryResult result = run("escape", statement);
    QVERIFY2(result.ok(), qPrintable(result.error ? result.error->description : QString()));
    QCOMPARE(result.rows.size(), rows);
}

void tst_Statements::dateRangeComparesAsText()
{
    // A date alone stands for its midnight: a to date without a time leaves out what
    // happened later that day, as on the server.
    int id = 1;
    for (const char* at : {"2026-12-30 23:00:00", "2026-12-31", "2026-12-31 10:00:00", "2027-01-01 00:00:00"})
        QVERIFY(!m_escape.append("Moves", {{"MvId", id++}, {"ParastCod", "TST"}, {"MvDate", QString(at)}}));
    auto count = [&](const QString& condition) {
        return m_escape.select("SELECT * FROM Moves WHERE ParastCod ='TST' and " + condition).rows.size();
    };
    QCOMPARE(count("MvDate >='2026-12-30' and MvDate <='2026-12-31'"), 2);
    QCOMPARE(count("MvDate <= '2026-12-31 23:59:59.999'"), 3);
    QCOMPARE(count("MvDate BETWEEN '2026-12-31 00:00:00' AND '2026-12-31 23:59:59'"), 2);
    QCOMPARE(count("MvDate = '2026-12-31 00:00:00'"), 1);
    const QueryResult ordered = m_escape.select("SELECT * FROM Moves WHERE ParastCod ='TST' ORDER BY MvDate DESC");
    QCOMPARE(ordered.rows.row(0).id("MvId"), QString("4"));
    QCOMPARE(ordered.rows.row(2).id("MvId"), QString("2"));
    QVERIFY(!m_escape.execute("DELETE FROM Moves WHERE ParastCod ='TST'"));
}

void tst_Statements::randomStockItems()
{
    const QueryResult a = run("escape", "Select top (150) * from stock order by NEWID()");
    const QueryResult b = run("escape", "Select top (150) * from stock order by NEWID()");
    QCOMPARE(a.rows.size(), 150);
    QCOMPARE(b.rows.size(), 150);
    QStringList first, second;
    for (int i = 0; i < 150; ++i) {
        first << a.rows.row(i).id("StkId");
        second << b.rows.row(i).id("StkId");
    }
    QVERIFY(first != second); // 1 chance in 400!/250! of a false alarm
    QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 150);
}

void tst_Statements::goodsInFunction()
{
    const QueryResult items = run("lomag", "SELECT * FROM dbo.SearchCert({GINID})");
    const QueryResult direct = run("lomag", "SELECT * FROM qnrGoodsInLines WHERE GINID = {GINID}");
    QVERIFY(items.ok());
    QCOMPARE(items.rows.size(), direct.rows.size());
    QCOMPARE(items.rows.columns(), (QStringList{"Nr", "Part_Number", "Nazwa", "Ilosc", "Numer_Serii",
                                                "Certificate_Number", "Batch_Number", "Sales_Order_Num"}));
    for (int i = 0; i < items.rows.size(); ++i)
        QVERIFY(items.rows.row(i).text("Certificate_Number").startsWith("CERT-15535-"));
}

void tst_Statements::accountBalanceOpeningBalances()
{
    const QString from = "2024-01-01";
    const QString to = "2026-12-31";
    // The client with the most ledger lines before the period.
    const QueryResult ledger = m_escape.select("SELECT * FROM LgMoves ORDER BY LogId");
    QMap<QString, std::pair<double, double>> before; // LogId -> debit, credit before the period
    for (const Row row : ledger.rows) {
        if (row.flag("LgMvCanceled") || row.text("LgMvDate") >= from)
            continue;
        auto& sums = before[row.id("LogId")];
        sums.first += row.number("LgMvDebit");
        sums.second += row.number("LgMvCredit");
    }
    QVERIFY(!before.isEmpty());
    int checked = 0;
    for (auto it = before.cbegin(); it != before.cend() && checked < 6; ++it) {
        QString query = accountBalanceQuery(from, to, it.key());
        query.replace("SELECT ", "SELECT TOP 100 PERCENT ");
        m_escape.execute("DROP VIEW dbo.zzQNRTemp");
        QVERIFY(!m_escape.execute("CREATE VIEW dbo.zzQNRTemp AS " + query));
        QVERIFY(!m_escape.execute("GRANT SELECT, UPDATE, INSERT, DELETE ON dbo.zzQNRTemp TO PUBLIC"));
        const QueryResult view = m_escape.select("SELECT * FROM dbo.zzQNRTemp");
        QVERIFY2(view.ok(), qPrintable(view.error ? view.error->description : QString()));
        if (view.rows.isEmpty())
            continue;
        const double net = it.value().first - it.value().second;
        const Row row = view.rows.row(0);
        // The opening balance stands on one side only: debit when positive, credit otherwise.
        QCOMPARE(row.number("PrevDebits"), net > 0 ? net : 0.0);
        QVERIFY(qAbs(row.number("PrevCredits") - (net > 0 ? 0.0 : -net)) < 0.005);
        QVERIFY(view.rows.hasColumn("Expr1"));
        for (const Row line : view.rows) {
            QVERIFY(line.text("LgMvDate") >= from);
            QCOMPARE(line.id("LogId"), it.key());
        }
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_MAIN(tst_Statements)
#include "tst_Statements.moc"
