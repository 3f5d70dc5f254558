#include "DemoData.h"
#include "TempFolder.h"

#include <QProcess>
#include <QtTest>

class tst_QuinorSql : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void answers_data();
    void answers();

private:
    qnr::test::TempFolder m_folder;
};

void tst_QuinorSql::initTestCase()
{
    qnr::demo::DemoOptions options;
    options.today = QDate(2026, 12, 11);
    options.stockItems = 30;
    options.documents = 40;
    options.files = false;
    QVERIFY(!qnr::demo::createDemoDatabases(m_folder.path(), m_folder.file("drives"), options));
    QByteArray config;
    for (const char* section : {"vOffice Terminal Settings:voffice.db", "rIduza Terminal Settings:escape.db",
                                "Lomag Terminal Settings:lomag.db"}) {
        const QList<QByteArray> parts = QByteArray(section).split(':');
        config += "[" + parts[0] + "]\r\nTermDbType=SQLITE\r\nTermDatabase=" + parts[1] + "\r\n\r\n";
    }
    m_folder.write("Config.ini", config + "[General]\r\nEscape=1\r\nLomag=1\r\n");
}

void tst_QuinorSql::answers_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLines");
    QTest::newRow("escape") << "escape"
                            << "SELECT TOP 2 CurrId, CurrCode FROM dbo.Currencies ORDER BY CurrId" << 0
                            << "CurrId\tCurrCode\n1\tBGN\n2\tEUR\n";
    QTest::newRow("null as empty") << "escape"
                                   << "SELECT NULL AS Empty, 'x' AS Full" << 0 << "Empty\tFull\n\tx\n";
    QTest::newRow("lomag") << "lomag"
                           << "SELECT GIN FROM qnrListGINwithCustomers WHERE GINID = 15531" << 0
                           << "GIN\nGIN1/26 - VUZA\n";
    QTest::newRow("voffice") << "voffice"
                             << "SELECT Note FROM qnrDemoInfo" << 0 << "Note\nQuinorERP demo\n";
    QTest::newRow("bad statement") << "escape"
                                   << "SELECT * FROM NoSuchTable" << 1 << "";
    QTest::newRow("bad database") << "other"
                                  << "SELECT 1" << 2 << "";
    QTest::newRow("server script") << "--schema"
                                   << "lomag" << 0 << "CREATE TABLE dbo.[qnrLgItems] (\n";
}

void tst_QuinorSql::answers()
{
    QFETCH(QString, database);
    QFETCH(QString, statement);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLines);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUINOR_HOME", m_folder.path());
    process.setProcessEnvironment(environment);
    process.start(QUINOR_SQL_PATH, {database, statement});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), exitCode);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(out.left(firstLines.size()), firstLines);
    if (exitCode != 0)
        QVERIFY(!process.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(tst_QuinorSql)
#include "tst_QuinorSql.moc"
