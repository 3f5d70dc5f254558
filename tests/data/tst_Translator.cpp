#include "SqlLiteral.h"
#include "SqlTranslator.h"

#include <QtTest>

using namespace qnr::data;

class tst_Translator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void translate_data();
    void translate();
    void literals();
};

void tst_Translator::translate_data()
{
    QTest::addColumn<QString>("tsql");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("unchanged") << "SELECT * FROM Users"
                               << "SELECT * FROM Users";
    QTest::newRow("dbo prefixes")
        << "SELECT * From dbo.stkMoves INNER JOIN dbo.Stock ON dbo.stkMoves.StkId = dbo.Stock.StkId Where "
           "(dbo.stkMoves.MvId =5)"
        << "SELECT * From stkMoves INNER JOIN Stock ON stkMoves.StkId = Stock.StkId Where (stkMoves.MvId =5)";
    QTest::newRow("dbo in text untouched") << "SELECT * FROM Logs WHERE LogEpon = 'dbo.x'"
                                           << "SELECT * FROM Logs WHERE LogEpon = 'dbo.x'";
    QTest::newRow("top in brackets with random order") << "Select top (150) * from stock order by NEWID()"
                                                       << "Select * from stock order by random() LIMIT 150";
    QTest::newRow("top without brackets") << "SELECT TOP 3 MvId FROM Moves ORDER BY MvDate"
                                          << "SELECT MvId FROM Moves ORDER BY MvDate LIMIT 3";
    QTest::newRow("top 100 percent everywhere")
        << "CREATE VIEW dbo.zzTmpLabel AS SELECT TOP 100 PERCENT * FROM Stock WHERE stkId =(SELECT TOP 100 "
           "PERCENT 5)"
        << "CREATE VIEW zzTmpLabel AS SELECT * FROM Stock WHERE stkId =(SELECT 5)";
    QTest::newRow("top inside a sub-query")
        << "SELECT * FROM Moves WHERE MvId IN (SELECT TOP 2 MvId FROM Moves ORDER BY MvDate) ORDER BY MvId"
        << "SELECT * FROM Moves WHERE MvId IN (SELECT MvId FROM Moves ORDER BY MvDate LIMIT 2) ORDER BY MvId";
    QTest::newRow("isnull with and without blank")
        << "SELECT ISNULL ((SELECT SUM(ISNULL(LgMvDebit, 0)) FROM LgMoves), 0)"
        << "SELECT ifnull ((SELECT SUM(ifnull(LgMvDebit, 0)) FROM LgMoves), 0)";
    QTest::newRow("isnull as a column name stays") << "SELECT IsNullFlag FROM t"
                                                   << "SELECT IsNullFlag FROM t";
    QTest::newRow("grant does nothing") << "GRANT SELECT, UPDATE, INSERT, DELETE ON dbo.zzQNRTemp TO PUBLIC"
                                        << "";
    QTest::newRow("goods-in function") << "SELECT * FROM dbo.SearchCert(15555)"
                                       << "SELECT * FROM (SELECT Nr, Part_Number, Nazwa, Ilosc, Numer_Serii, "
                                          "Certificate_Number, Batch_Number, "
                                          "Sales_Order_Num FROM qnrGoodsInLines WHERE GINID = 15555)";
    QTest::newRow("count without blank") << "select count(*)AS NumOfRows FROM stkMoves where MvId=1 "
                                         << "select count(*)AS NumOfRows FROM stkMoves where MvId=1 ";
    QTest::newRow("apostrophes in text") << "SELECT * FROM Users WHERE UserName='O''Brien TOP 5'"
                                         << "SELECT * FROM Users WHERE UserName='O''Brien TOP 5'";
    QTest::newRow("order by a name two joined tables share")
        << "SELECT dbo.vwLogMoves.LogId,dbo.Moves.MvId AS Expr1 FROM dbo.vwLogMoves INNER JOIN dbo.Moves ON "
           "dbo.vwLogMoves.MvId = dbo.Moves.MvId ORDER BY LogId,LgMvDate DESC"
        << "SELECT vwLogMoves.LogId,Moves.MvId AS Expr1 FROM vwLogMoves INNER JOIN Moves ON "
           "vwLogMoves.MvId = Moves.MvId ORDER BY vwLogMoves.LogId,LgMvDate DESC";
    QTest::newRow("delete one of several equal rows")
        << "DELETE TOP (1) FROM dbo.qnrFiles WHERE Id = '2_1' AND FilePath = 'a'"
        << "DELETE FROM qnrFiles WHERE rowid IN (SELECT rowid FROM qnrFiles WHERE Id = '2_1' AND FilePath = "
           "'a' LIMIT 1)";
    QTest::newRow("greek text") << "SELECT * FROM Moves WHERE ParastCod IN ('CDN','ΔΑΠΡΟ')"
                                << "SELECT * FROM Moves WHERE ParastCod IN ('CDN','ΔΑΠΡΟ')";
}

void tst_Translator::translate()
{
    QFETCH(QString, tsql);
    QFETCH(QString, sqlite);
    QCOMPARE(translateToSqlite(tsql), sqlite);
}

void tst_Translator::literals()
{
    QCOMPARE(quoted("O'Brien"), QString("'O''Brien'"));
    QCOMPARE(quoted("'; DROP TABLE Users; --"), QString("'''; DROP TABLE Users; --'"));
    QCOMPARE(escapedText("a'b"), QString("a''b"));
    QVERIFY(digitsOnly("19031863733006"));
    QVERIFY(!digitsOnly(""));
    QVERIFY(!digitsOnly("1 OR 1=1"));
    QVERIFY(!digitsOnly("-5"));
    QVERIFY(!digitsOnly("١٢")); // digits of another script are not ours
}

QTEST_GUILESS_MAIN(tst_Translator)
#include "tst_Translator.moc"
