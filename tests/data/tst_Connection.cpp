#include "Connection.h"
#include "DemoFixture.h"
#include "SqlLiteral.h"

#include <QtTest>

using namespace qnr::data;

class tst_Connection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void columnsByNameIgnoringCase();
    void typedReads();
    void appendAndUpdateBindValues();
    void transactionRollsBackUnlessCommitted();
    void secondConnectionHasItsOwnTransaction();
    void statementsWithoutRows();
    void closedConnectionFails();

private:
    qnr::test::DemoFixture m_fixture{60, 30};
    Connection& m_escape = m_fixture.escape();
};

void tst_Connection::initTestCase()
{
    QVERIFY2(m_fixture.ok(), qPrintable(m_fixture.error()));
}

void tst_Connection::columnsByNameIgnoringCase()
{
    const QueryResult result = m_escape.select("SELECT * FROM Users WHERE UserName='Maria'");
    QVERIFY(result.ok());
    QCOMPARE(result.rows.size(), 1);
    const Row row = result.rows.row(0);
    QCOMPARE(row.text("username"), QString("Maria"));
    QCOMPARE(row.text("USERPASSWORD"), QString("aegean"));
    QCOMPARE(row.text("NoSuchColumn"), QString());
}

void tst_Connection::typedReads()
{
    QVERIFY(!m_escape.execute("CREATE TABLE t (Id INTEGER, Amount NUMERIC, Flag INTEGER, Name TEXT, At DATETIME)"));
    QVERIFY(!m_escape.append("t", {{"Id", 19031863733006LL},
                                   {"Amount", 1234.5},
                                   {"Flag", QVariant()},
                                   {"Name", QVariant()},
                                   {"At", "2019-03-05 14:07:31"}}));
    QVERIFY(!m_escape.append("dbo.t",
                             {{"Id", 2}, {"Amount", QVariant()}, {"Flag", 1}, {"Name", "x"}, {"At", "2019-03-05"}}));
    const QueryResult result = m_escape.select("SELECT * FROM t ORDER BY Id DESC");
    QVERIFY(result.ok());
    const Row first = result.rows.row(0);
    QCOMPARE(first.id("Id"), QString("19031863733006"));
    QCOMPARE(first.number("amount"), 1234.5);
    QVERIFY(first.isNull("Flag"));
    QVERIFY(!first.flag("Flag"));
    QCOMPARE(first.text("Name"), QString());
    QCOMPARE(first.dateTime("At"), QDateTime(QDate(2019, 3, 5), QTime(14, 7, 31)));
    const Row second = result.rows.row(1);
    QVERIFY(second.flag("Flag"));
    QCOMPARE(second.number("Amount"), 0.0);
    QCOMPARE(second.dateTime("At"), QDateTime(QDate(2019, 3, 5), QTime(0, 0)));
    QVERIFY(!m_escape.execute("DROP TABLE t"));
}

void tst_Connection::appendAndUpdateBindValues()
{
    const QString hostile = "O'Brien'); DROP TABLE Users; --";
    QVERIFY(!m_escape.append("Users", {{"Username", hostile}, {"UserPassword", "x'y"}, {"UserLevel", 1}}));
    QueryResult found = m_escape.select("SELECT * FROM Users WHERE UserName=" + quoted(hostile));
    QVERIFY(found.ok());
    QCOMPARE(found.rows.size(), 1);
    QCOMPARE(found.rows.row(0).text("UserPassword"), QString("x'y"));

    QVERIFY(!m_escape.update("Users", {{"UserPassword", "new'one"}}, "Username", hostile));
    found = m_escape.select("SELECT * FROM Users WHERE UserName=" + quoted(hostile));
    QCOMPARE(found.rows.row(0).text("UserPassword"), QString("new'one"));
    QVERIFY(m_escape.select("SELECT * FROM Users").rows.size() >= 5);
    QVERIFY(!m_escape.execute("DELETE FROM Users WHERE UserName=" + quoted(hostile)));
}

void tst_Connection::transactionRollsBackUnlessCommitted()
{
    const int before = m_escape.select("SELECT * FROM SendTypes").rows.size();
    {
        Transaction transaction(m_escape);
        QVERIFY(!transaction.startError());
        QVERIFY(!m_escape.execute("DELETE FROM SendTypes"));
        QCOMPARE(m_escape.select("SELECT * FROM SendTypes").rows.size(), 0);
    }
    QCOMPARE(m_escape.select("SELECT * FROM SendTypes").rows.size(), before);
    {
        Transaction transaction(m_escape);
        QVERIFY(!m_escape.append("SendTypes", {{"SendTypeId", 99}, {"SendTypeDescr", "Courier X"}}));
        QVERIFY(!transaction.commit());
    }
    QCOMPARE(m_escape.select("SELECT * FROM SendTypes").rows.size(), before + 1);
    QVERIFY(!m_escape.execute("DELETE FROM SendTypes WHERE SendTypeId = 99"));
}

void tst_Connection::secondConnectionHasItsOwnTransaction()
{
    QVERIFY(!m_escape.append("qnrFiles", {{"Id", "2_1"}, {"FileTypeID", "2"}, {"MoveId", "5"}}));
    MaybeError error;
    std::unique_ptr<Connection> second = m_escape.openSecond("file-delete", &error);
    QVERIFY(second);
    {
        Transaction transaction(*second);
        QVERIFY(!second->execute("DELETE FROM qnrFiles WHERE Id = '2_1'"));
        QVERIFY(!transaction.commit());
    }
    second.reset();
    QCOMPARE(m_escape.select("SELECT * FROM qnrFiles WHERE Id = '2_1'").rows.size(), 0);
}

void tst_Connection::statementsWithoutRows()
{
    QVERIFY(m_escape.execute("DROP VIEW dbo.zzNoSuchView")); // fails, as on the server
    QVERIFY(!m_escape.execute("CREATE VIEW dbo.zzTmpLabel AS SELECT TOP 100 PERCENT * FROM Stock WHERE stkId =3"));
    QVERIFY(!m_escape.execute("GRANT SELECT, UPDATE, INSERT, DELETE ON dbo.zzTmpLabel TO PUBLIC"));
    QCOMPARE(m_escape.select("SELECT * FROM dbo.zzTmpLabel").rows.size(), 1);
    QVERIFY(!m_escape.execute("DROP VIEW dbo.zzTmpLabel"));
}

void tst_Connection::closedConnectionFails()
{
    Connection closed("closed");
    QVERIFY(!closed.select("SELECT 1").ok());
    QVERIFY(closed.execute("DELETE FROM x"));
    QVERIFY(closed.append("x", {{"a", 1}}));
    ConnectionOptions o;
    o.engine = Engine::Sqlite;
    o.database = m_fixture.file("absent.db");
    const MaybeError error = closed.open(o);
    QVERIFY(error && error->connectionRefused);
    QVERIFY(!QFileInfo::exists(m_fixture.file("absent.db")));
}

QTEST_MAIN(tst_Connection)
#include "tst_Connection.moc"
