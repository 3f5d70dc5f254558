#include "AppInfo.h"
#include "FakeServices.h"
#include "modLogError.h"
#include "TempFolder.h"

#include <QtTest>

using namespace qnr;
using qnr::test::FakeDialogs;
using qnr::test::FixedClock;
using qnr::test::TempFolder;

class tst_ErrorLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messageAndRecord();
    void emptyTextsStillGiveEightFields();
    void midnightWritesOnlyTheDate();
    void recordsAreAppended();
    void unwritableFolderStillShowsTheMessage();
    void retry_data();
    void retry();
};

void tst_ErrorLog::messageAndRecord()
{
    TempFolder folder;
    FakeDialogs dialogs;
    FixedClock clock(QDateTime(QDate(2019, 3, 5), QTime(14, 7, 31)));
    ErrorLog log(dialogs, clock, folder.file("ErrorLog.txt"), "maria", "WS-07");
    log.LogError(true, "-2147217900", "Invalid column name 'x'.", "frmQuotes", "FillQuotes");

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QString("Error occured: -2147217900\r\nDescription: Invalid column name 'x'.\r\n"
                                               "Module: frmQuotes\r\nFunction: FillQuotes"));
    QCOMPARE(dialogs.messages[0].caption, QString("QuinorAIS - ERROR"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(folder.read("ErrorLog.txt"),
             QString("#2019-03-05 14:07:31#,\"-2147217900\",\"Invalid column name 'x'.\",\"frmQuotes\","
                     "\"FillQuotes\",\"QuinorAIS v%1\",\"maria\",\"WS-07\"\r\n")
                 .arg(versionText())
                 .toUtf8());
}

void tst_ErrorLog::emptyTextsStillGiveEightFields()
{
    TempFolder folder;
    FakeDialogs dialogs;
    FixedClock clock(QDateTime(QDate(2019, 3, 5), QTime(14, 7, 31)));
    ErrorLog log(dialogs, clock, folder.file("ErrorLog.txt"), "", "");
    log.LogError(true, "", "", "", "");
    QCOMPARE(dialogs.messages[0].text, QString("Error occured: \r\n"));
    QCOMPARE(folder.read("ErrorLog.txt"),
             QString("#2019-03-05 14:07:31#,\"\",\"\",\"\",\"\",\"QuinorAIS v%1\",\"\",\"\"\r\n")
                 .arg(versionText())
                 .toUtf8());
}

void tst_ErrorLog::midnightWritesOnlyTheDate()
{
    TempFolder folder;
    FakeDialogs dialogs;
    FixedClock clock(QDateTime(QDate(2019, 3, 5), QTime(0, 0, 0)));
    ErrorLog log(dialogs, clock, folder.file("ErrorLog.txt"), "u", "c");
    log.LogError(false, "5", "d", "m", "p");
    QVERIFY(folder.read("ErrorLog.txt").startsWith("#2019-03-05#,\"5\""));
}

void tst_ErrorLog::recordsAreAppended()
{
    TempFolder folder;
    folder.write("ErrorLog.txt", "earlier line\r\n");
    FakeDialogs dialogs;
    FixedClock clock;
    ErrorLog log(dialogs, clock, folder.file("ErrorLog.txt"), "u", "c");
    log.LogError(false, "1", "a", "m", "p");
    log.LogError(false, "2", "b", "m", "p");
    const QList<QByteArray> lines = folder.read("ErrorLog.txt").split('\n');
    QCOMPARE(lines.size(), 4); // three lines and the empty rest after the last CR LF
    QCOMPARE(lines[0], QByteArray("earlier line\r"));
    QVERIFY(lines[2].contains("\"2\",\"b\""));
}

void tst_ErrorLog::unwritableFolderStillShowsTheMessage()
{
    TempFolder folder;
    FakeDialogs dialogs;
    FixedClock clock;
    // A log path whose folder does not exist can never be written, whoever runs the test.
    ErrorLog log(dialogs, clock, folder.file("no-such-folder/ErrorLog.txt"), "u", "c");
    log.LogError(true, "1", "a", "m", "p");
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(!QFileInfo::exists(folder.file("no-such-folder/ErrorLog.txt")));
    log.LogError(false, "1", "a", "m", "p");
    QCOMPARE(dialogs.messages.size(), 1);
}

void tst_ErrorLog::retry_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<int>("attempts");
    QTest::newRow("first attempt") << 0 << true << 1;
    QTest::newRow("passing failure") << 1 << true << 2;
    QTest::newRow("third attempt") << 2 << true << 3;
    QTest::newRow("lasting failure gives up after three") << 100 << false << 3;
}

void tst_ErrorLog::retry()
{
    QFETCH(int, failures);
    QFETCH(bool, succeeds);
    QFETCH(int, attempts);
    TempFolder folder;
    FakeDialogs dialogs;
    FixedClock clock;
    ErrorLog log(dialogs, clock, folder.file("ErrorLog.txt"), "u", "c");
    int calls = 0;
    const bool ok = runWithRetry(log, "frmMoves", "FillMoves", [&]() -> data::MaybeError {
        ++calls;
        if (calls <= failures)
            return data::DbError::statement("deadlock", "1205");
        return std::nullopt;
    });
    QCOMPARE(ok, succeeds);
    QCOMPARE(calls, attempts);
    QCOMPARE(dialogs.messages.size(), std::min(failures, 3));
    QCOMPARE(folder.read("ErrorLog.txt").count("\r\n"), qsizetype(std::min(failures, 3)));
}

QTEST_GUILESS_MAIN(tst_ErrorLog)
#include "tst_ErrorLog.moc"
