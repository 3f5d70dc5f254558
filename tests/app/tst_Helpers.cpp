#include "ClockKey.h"
#include "CounterpartyEntry.h"
#include "FakeServices.h"
#include "Formatting.h"
#include "PathMapper.h"
#include "TempFolder.h"

#include <QtTest>

using namespace qnr;

class tst_Helpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clockKey_data();
    void clockKey();
    void counterpartyEntryIsTrimmed();
    void parseCounterparty_data();
    void parseCounterparty();
    void formatNumber_data();
    void formatNumber();
    void formatDateIsDayMonthYear();
    void pathMapper_data();
    void pathMapper();
    void pathMapperFindsFilesIgnoringCase();
};

void tst_Helpers::clockKey_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("afternoon") << QDateTime(QDate(2026, 12, 11), QTime(16, 8, 36)) << "202612111608363612";
    QTest::newRow("midnight") << QDateTime(QDate(2019, 3, 5), QTime(0, 0, 0)) << "201903050000000012";
    QTest::newRow("last second") << QDateTime(QDate(2019, 1, 1), QTime(23, 59, 59)) << "201901012359595912";
}

void tst_Helpers::clockKey()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, expected);
    QCOMPARE(qnr::clockKey(moment), expected);
    QCOMPARE(expected.size(), 18);
    test::FixedClock clock(moment);
    QCOMPARE(qnr::clockKey(clock), expected);
}

void tst_Helpers::counterpartyEntryIsTrimmed()
{
    QCOMPARE(counterpartyEntry(" AEROTECH LTD", "19031863733006"), QString("AEROTECH LTD (19031863733006)"));
    QCOMPARE(counterpartyEntryWithDash("SKYPARTS", "5"), QString("SKYPARTS - (5)"));
}

void tst_Helpers::parseCounterparty_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("plain") << "AEROTECH LTD (19031863733006)"
                           << "19031863733006"
                           << "AEROTECH LTD " << QStringList();
    QTest::newRow("dash form") << "SKYPARTS - (5)"
                               << "5"
                               << "SKYPARTS - " << QStringList();
    QTest::newRow("carrier") << "Courier (3)"
                             << "3"
                             << "Courier " << QStringList();
    QTest::newRow("brackets in the name: first ones count") << "A (B) C (7)"
                                                            << "B"
                                                            << "A " << QStringList();
    QTest::newRow("neither bracket") << "abc"
                                     << ""
                                     << "" << QStringList{"Δεν βρέθηκε.", "String2 not found."};
    QTest::newRow("no opening bracket") << "AEROTECH 7)"
                                        << ""
                                        << "" << QStringList{"Δεν βρέθηκε."};
    QTest::newRow("no closing bracket") << "AEROTECH (1903"
                                        << ""
                                        << "" << QStringList{"String2 not found."};
    QTest::newRow("closing bracket before opening") << "A) B (1"
                                                    << ""
                                                    << "" << QStringList{"String2 not found."};
    QTest::newRow("empty") << ""
                           << ""
                           << "" << QStringList{"Δεν βρέθηκε.", "String2 not found."};
}

void tst_Helpers::parseCounterparty()
{
    QFETCH(QString, text);
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QStringList, errors);
    const CounterpartyParse parsed = parseCounterpartyEntry(text);
    QCOMPARE(parsed.errors, errors);
    QCOMPARE(parsed.id, id);
    QCOMPARE(parsed.name, name);
}

void tst_Helpers::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("grouped") << 1234567.891 << "###,###,##0.00"
                             << "en_US"
                             << "1,234,567.89";
    QTest::newRow("leading zero") << 0.5 << "###,###,##0.00"
                                  << "en_US"
                                  << "0.50";
    QTest::newRow("negative") << -1234.5 << "#,##0.00"
                              << "en_US"
                              << "-1,234.50";
    QTest::newRow("greek separators") << 1234.5 << "#,##0.00"
                                      << "el_GR"
                                      << "1.234,50";
    QTest::newRow("measure two decimals") << 1.5 << "#,##0.#0"
                                          << "en_US"
                                          << "1.50";
    QTest::newRow("measure whole") << 12.0 << "#,##0.#0"
                                   << "en_US"
                                   << "12.00";
    QTest::newRow("optional decimals") << 12.5 << "0.##"
                                       << "en_US"
                                       << "12.5";
    QTest::newRow("optional decimals dropped") << 12.0 << "0.##"
                                               << "en_US"
                                               << "12";
    QTest::newRow("minus zero") << -0.001 << "#,##0.00"
                                << "en_US"
                                << "0.00";
}

void tst_Helpers::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(qnr::formatNumber(value, pattern, QLocale(locale)), expected);
}

void tst_Helpers::formatDateIsDayMonthYear()
{
    QCOMPARE(formatDate(QDate(2019, 3, 5)), QString("05/03/2019"));
    QCOMPARE(formatAmount(195.583, QLocale("en_US")), QString("195.58"));
}

void tst_Helpers::pathMapper_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected"); // "-" for no mapping
    QTest::newRow("mapped drive") << "W:\\Parts Cerificates\\Current\\A1.pdf"
                                  << "/srv/shares/w/Parts Cerificates/Current/A1.pdf";
    QTest::newRow("lower-case letter") << "w:\\x.pdf"
                                       << "/srv/shares/w/x.pdf";
    QTest::newRow("folder keeps its separator") << "Z:\\Warehouse\\Product Images\\"
                                                << "/mnt/z/Warehouse/Product Images/";
    QTest::newRow("drive root") << "Z:\\"
                                << "/mnt/z/";
    QTest::newRow("unmapped drive") << "Q:\\x.pdf"
                                    << "-";
    QTest::newRow("native path") << "/home/user/a.pdf"
                                 << "/home/user/a.pdf";
}

void tst_Helpers::pathMapper()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    PathMapper mapper;
    mapper.setDrive(QLatin1Char('W'), "/srv/shares/w");
    mapper.setDrive(QLatin1Char('z'), "/mnt/z/");
    const auto native = mapper.toNative(path);
    if (expected == "-")
        QVERIFY(!native.has_value());
    else
        QCOMPARE(native.value_or("-"), expected);
}

void tst_Helpers::pathMapperFindsFilesIgnoringCase()
{
    test::TempFolder folder;
    QDir(folder.path()).mkpath("Parts Cerificates/Current");
    folder.write("Parts Cerificates/Current/CERT-1.pdf", "%PDF");
    PathMapper mapper;
    mapper.setDrive(QLatin1Char('W'), folder.path());
    QCOMPARE(mapper.existing("W:\\parts cerificates\\CURRENT\\cert-1.PDF").value_or(""),
             folder.file("Parts Cerificates/Current/CERT-1.pdf"));
    QVERIFY(!mapper.existing("W:\\Parts Cerificates\\Current\\missing.pdf"));
    QVERIFY(!mapper.existing("Q:\\Parts Cerificates\\Current\\CERT-1.pdf"));
}

QTEST_GUILESS_MAIN(tst_Helpers)
#include "tst_Helpers.moc"
