#include "DocumentRows.h"
#include "MovesQueries.h"

#include <QtTest>

using namespace qnr;
using namespace qnr::documents;

class tst_MovesQueries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statements_data();
    void statements();
    void otherStatements();
    void movesRow_data();
    void movesRow();
    void itemRowShowsNetUnitPrice();
};

void tst_MovesQueries::statements_data()
{
    QTest::addColumn<bool>("sales");
    QTest::addColumn<bool>("delivery");
    QTest::addColumn<bool>("purchase");
    QTest::addColumn<QString>("expected");
    const QString range = "MvDate >='2026-12-01' %1 MvDate <='2026-12-31 23:59:59.997' ORDER BY MvDate";
    const QString single = "SELECT * FROM Moves WHERE ParastCod ='%1' and " + range.arg("and");
    const QString list = "SELECT * FROM Moves WHERE ParastCod IN ('%1%2" + range.arg("AND");
    QTest::newRow("sales") << true << false << false << single.arg("CINV");
    QTest::newRow("delivery") << false << true << false << list.arg("CDN','ΔΑΠΡΟ", "') AND ");
    QTest::newRow("purchase") << false << false << true << single.arg("SINV");
    QTest::newRow("sales delivery") << true << true << false << list.arg("CDN','ΔΑΠΡΟ','CINV", "' ) AND ");
    QTest::newRow("sales purchase") << true << false << true << list.arg("CINV','SINV", "' ) AND ");
    QTest::newRow("delivery purchase") << false << true << true << list.arg("CDN','ΔΑΠΡΟ','SINV", "' ) AND ");
    QTest::newRow("all three") << true << true << true << list.arg("CDN','ΔΑΠΡΟ','CINV','SINV", "' ) AND ");
}

void tst_MovesQueries::statements()
{
    QFETCH(bool, sales);
    QFETCH(bool, delivery);
    QFETCH(bool, purchase);
    QFETCH(QString, expected);
    QCOMPARE(movesStatement(documentCodes(sales, delivery, purchase), QDate(2026, 12, 1), QDate(2026, 12, 31)),
             expected);
}

void tst_MovesQueries::otherStatements()
{
    QVERIFY(documentCodes(false, false, false).isEmpty());
    QCOMPARE(warehouseStatement("WTR", QDate(2024, 2, 1), QDate(2024, 2, 29)),
             QString("SELECT * FROM Moves WHERE ParastCod ='WTR' and MvDate >='2024-02-01' and MvDate <='2024-02-29 "
                     "23:59:59.997' ORDER BY MvDate"));
    QVERIFY(warehouseStatement("O'X", QDate(2024, 2, 1), QDate(2024, 2, 1)).contains("ParastCod ='O''X' and"));
    QCOMPARE(documentItemsStatement("19031863733006").value_or(""),
             QString("SELECT stkMoves.*,Stock.StkFactoryCod FROM stkMoves LEFT OUTER JOIN Stock ON Stock.StkId = "
                     "stkMoves.StkId WHERE MvId = 19031863733006 ORDER BY MvId, IoLine"));
    QVERIFY(!documentItemsStatement("1 OR 1=1"));
    QVERIFY(!documentItemsStatement(""));
    QCOMPARE(accountDocumentStatement("19031863733006"),
             QString("SELECT * FROM qnrfiles WHERE MoveId ='19031863733006' AND FileTypeID = '3'"));
}

void tst_MovesQueries::movesRow_data()
{
    QTest::addColumn<QVariant>("total");
    QTest::addColumn<QVariant>("rate");
    QTest::addColumn<QVariant>("cmr");
    QTest::addColumn<QVariant>("details");
    QTest::addColumn<QStringList>("amounts"); // amount, euro, leva, CMR
    QTest::addColumn<bool>("red");
    QTest::newRow("euro document") << QVariant(100.0) << QVariant(1.95583) << QVariant() << QVariant(1)
                                   << QStringList{"100.00", "100.00", "195.58", "No"} << false;
    QTest::newRow("grouping and leading zero") << QVariant(1234.5) << QVariant(1.0) << QVariant(1) << QVariant()
                                               << QStringList{"1,234.50", "631.19", "1,234.50", "Yes"} << true;
    QTest::newRow("negative") << QVariant(-0.5) << QVariant(1.0) << QVariant(0) << QVariant(0)
                              << QStringList{"-0.50", "-0.26", "-0.50", ""} << false;
    QTest::newRow("no total") << QVariant() << QVariant(1.0) << QVariant(0) << QVariant(1)
                              << QStringList{"", "", "", ""} << false;
    QTest::newRow("no rate") << QVariant(10.0) << QVariant() << QVariant(0) << QVariant(1)
                             << QStringList{"10.00", "", "", ""} << false;
}

void tst_MovesQueries::movesRow()
{
    QFETCH(QVariant, total);
    QFETCH(QVariant, rate);
    QFETCH(QVariant, cmr);
    QFETCH(QVariant, details);
    QFETCH(QStringList, amounts);
    QFETCH(bool, red);
    data::RowSet rows({"MvId", "LogId", "MvDate", "ParastCod", "MvSeira", "MvArpar", "MvParastTitle", "MvAitiol",
                       "MvEpon", "MvTotal", "CurrExcRate", "qnrCMR", "qnrDocDetails"});
    rows.append({19031863733006LL, 15072885938001LL, "2026-12-11 16:08:36", "CINV", "A", "17", "Sales Invoice",
                 "Sale of parts", "SKYLINE MRO", total, rate, cmr, details});
    const ReportRow row = documents::movesRow(rows.row(0), QLocale("en_US"));
    QCOMPARE(row.cells.mid(0, 7), (QStringList{"19031863733006", "15072885938001", "11/12/2026", "CINV", "A 17",
                                               "Sales Invoice Sale of parts", "SKYLINE MRO"}));
    QCOMPARE(row.cells.mid(7), amounts);
    QCOMPARE(row.tag.toString(), QString("19031863733006"));
    QCOMPARE(row.color == kNoDetailsColor, red);
}

void tst_MovesQueries::itemRowShowsNetUnitPrice()
{
    data::RowSet rows({"Id", "MvId", "StkFactoryCod", "IoStk1", "IoQuant1", "IoNetUnitPrice", "IoDTotal"});
    rows.append({7, 19031863733006LL, "AN960C10L", "WASHER, FLAT", 4, 2.5, 12.0});
    const ReportRow row = documents::itemRow(rows.row(0), QLocale("en_US"));
    QCOMPARE(row.cells, (QStringList{"7", "19031863733006", "AN960C10L", "WASHER, FLAT", "4", "2.50", "12.00"}));
}

QTEST_GUILESS_MAIN(tst_MovesQueries)
#include "tst_MovesQueries.moc"
