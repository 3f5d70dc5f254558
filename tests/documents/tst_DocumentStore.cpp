#include "AttachedFiles.h"
#include "DemoFixture.h"
#include "DocumentDetails.h"
#include "FakeServices.h"

#include <QtTest>

using namespace qnr;
using namespace qnr::documents;

class tst_DocumentStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void saveAndReloadFilesList();
    void failedSaveKeepsTheOldRows();
    void deleteFileRemovesOnlyThatRow();
    void accountDocumentIsReplaced();
    void addingDetailsMarksTheDocument();
    void updateKeepsSupplierOrder();
    void trackingAddress_data();
    void trackingAddress();

private:
    int count(const QString& sql) { return m_fixture.escape().select(sql).rows.size(); }
    QString documentWithoutDetails();

    test::DemoFixture m_fixture;
    test::FixedClock m_clock{QDateTime(QDate(2026, 12, 11), QTime(16, 8, 36))};
};

void tst_DocumentStore::initTestCase()
{
    QVERIFY2(m_fixture.ok(), qPrintable(m_fixture.error()));
}

QString tst_DocumentStore::documentWithoutDetails()
{
    const data::QueryResult r =
        m_fixture.escape().select("SELECT * FROM Moves WHERE qnrDocDetails IS NULL ORDER BY MvId");
    return r.rows.isEmpty() ? QString() : r.rows.row(0).id("MvId");
}

void tst_DocumentStore::saveAndReloadFilesList()
{
    AttachedFiles files(m_fixture.escape(), m_clock);
    const QString mvId = "19031863733006";
    std::vector<FileLine> lines = {files.newLine("W:\\Orders\\PO-17.pdf", "Purchase order"),
                                   files.newLine("/home/maria/awb 42.png", "Waybill")};
    QCOMPARE(lines[0].id, QString("2_202612111608363612"));
    QCOMPARE(lines[0].fileName, QString("PO-17.pdf"));
    QCOMPARE(lines[1].fileName, QString("awb 42.png"));
    QVERIFY(!files.saveMovesFiles(mvId, lines));
    std::vector<FileLine> loaded;
    QVERIFY(!files.load(mvId, loaded));
    QCOMPARE(loaded, lines);
    const data::QueryResult stored = m_fixture.escape().select("SELECT * FROM qnrFiles WHERE MoveId = '" + mvId + "'");
    QCOMPARE(stored.rows.row(0).text("FileType"), QString("Moves Documents"));
    QCOMPARE(stored.rows.row(0).text("Date"), QString("2026-12-11 16:08:36"));
    // Saving an empty list removes the document's files.
    QVERIFY(!files.saveMovesFiles(mvId, {}));
    QVERIFY(!files.load(mvId, loaded));
    QVERIFY(loaded.empty());
}

void tst_DocumentStore::failedSaveKeepsTheOldRows()
{
    AttachedFiles files(m_fixture.escape(), m_clock);
    const QString mvId = "19031863733107";
    QVERIFY(!files.saveMovesFiles(mvId, {files.newLine("/a/old.pdf", "old")}));
    QVERIFY(
        !m_fixture.escape().execute("CREATE TRIGGER refuse BEFORE INSERT ON qnrFiles WHEN NEW.FilePath = '/a/bad.pdf' "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const data::MaybeError error =
        files.saveMovesFiles(mvId, {files.newLine("/a/new.pdf", "new"), files.newLine("/a/bad.pdf", "bad")});
    QVERIFY(error);
    QVERIFY(!m_fixture.escape().execute("DROP TRIGGER refuse"));
    std::vector<FileLine> loaded;
    QVERIFY(!files.load(mvId, loaded));
    QCOMPARE(loaded.size(), size_t(1));
    QCOMPARE(loaded[0].path, QString("/a/old.pdf"));
}

void tst_DocumentStore::deleteFileRemovesOnlyThatRow()
{
    AttachedFiles files(m_fixture.escape(), m_clock);
    const QString mvId = "19031863733208";
    // Two files added in the same second share their Id.
    const std::vector<FileLine> lines = {files.newLine("/a/one.pdf", "one"), files.newLine("/a/two.pdf", "two")};
    QCOMPARE(lines[0].id, lines[1].id);
    QVERIFY(!files.saveMovesFiles(mvId, lines));
    QVERIFY(!files.deleteLine(mvId, lines[1]));
    std::vector<FileLine> loaded;
    QVERIFY(!files.load(mvId, loaded));
    QCOMPARE(loaded.size(), size_t(1));
    QCOMPARE(loaded[0].path, QString("/a/one.pdf"));
    QVERIFY(!files.deleteOldFiles(mvId));
    QCOMPARE(count("SELECT * FROM qnrFiles WHERE MoveId = '" + mvId + "'"), 0);
}

void tst_DocumentStore::accountDocumentIsReplaced()
{
    AttachedFiles files(m_fixture.escape(), m_clock);
    const QString mvId = "19031863733309";
    QVERIFY(!files.saveMovesFiles(mvId, {files.newLine("/a/moves.pdf", "moves")}));
    std::optional<FileLine> document;
    QVERIFY(!files.loadAccountDocument(mvId, document));
    QVERIFY(!document); // a family-2 file is no account document
    QVERIFY(!files.saveAccountDocument(mvId, {"", "3", "Invoice copy", "inv.pdf", "/srv/inv.pdf"}));
    m_clock.moment = m_clock.moment.addSecs(5);
    QVERIFY(!files.saveAccountDocument(mvId, {"", "3", "Corrected", "inv2.pdf", "/srv/inv2.pdf"}));
    QCOMPARE(count("SELECT * FROM qnrFiles WHERE MoveId = '" + mvId + "' AND FileTypeID = '3'"), 1);
    QVERIFY(!files.loadAccountDocument(mvId, document));
    QCOMPARE(document->path, QString("/srv/inv2.pdf"));
    QCOMPARE(document->id, QString("3_202612111608414112"));
    QCOMPARE(count("SELECT * FROM qnrFiles WHERE MoveId = '" + mvId + "' AND FileTypeID = '2'"), 1);
}

void tst_DocumentStore::addingDetailsMarksTheDocument()
{
    m_clock.moment = QDateTime(QDate(2026, 12, 11), QTime(16, 8, 36));
    DocumentDetails details(m_fixture.escape(), m_clock);
    const QString mvId = documentWithoutDetails();
    QVERIFY(!mvId.isEmpty());
    bool has = true;
    QVERIFY(!details.hasDetails(mvId, has));
    QVERIFY(!has);
    DetailsValues values;
    values.suppSO = "SO-1";
    values.mainCarrier = "DHL Express (1)";
    values.mainCarrierAWB = "4132686924";
    values.notes = "Fragile;\nkeep dry";
    DetailsValues stored;
    QVERIFY(!details.add(mvId, values, stored));
    QCOMPARE(stored.detailsId, QString("202612111608363612"));
    QVERIFY(!details.hasDetails(mvId, has));
    QVERIFY(has);
    std::optional<DetailsValues> loaded;
    QVERIFY(!details.load(mvId, loaded));
    QCOMPARE(loaded->notes, values.notes);
    QCOMPARE(loaded->detailsDate, QString("11/12/2026"));
    QCOMPARE(loaded->mvId, mvId);
    // A refused details row leaves the document unmarked.
    const QString other = documentWithoutDetails();
    QVERIFY(!m_fixture.escape().execute(
        "CREATE TRIGGER refuse BEFORE UPDATE ON Moves BEGIN SELECT RAISE(ABORT, 'no'); END"));
    QVERIFY(details.add(other, values, stored));
    QVERIFY(!m_fixture.escape().execute("DROP TRIGGER refuse"));
    QCOMPARE(count("SELECT * FROM qnrDocumentDetails WHERE MvId = " + other), 0);
}

void tst_DocumentStore::updateKeepsSupplierOrder()
{
    DocumentDetails details(m_fixture.escape(), m_clock);
    const QString mvId = documentWithoutDetails();
    DetailsValues values;
    values.suppSO = "SO-KEEP";
    values.suppQT = "Q1";
    DetailsValues stored;
    QVERIFY(!details.add(mvId, values, stored));
    values.suppSO = "SO-CHANGED";
    values.suppQT = "Q2";
    QVERIFY(!details.update(stored, values));
    std::optional<DetailsValues> loaded;
    QVERIFY(!details.load(mvId, loaded));
    QCOMPARE(loaded->suppSO, QString("SO-KEEP"));
    QCOMPARE(loaded->suppQT, QString("Q2"));
    QCOMPARE(count("SELECT * FROM qnrDocumentDetails WHERE MvId = " + mvId), 1);
}

void tst_DocumentStore::trackingAddress_data()
{
    QTest::addColumn<QString>("carrier");
    QTest::addColumn<QString>("address");
    QTest::newRow("newest recorded address") << "UPS (3)"
                                             << "https://ups.example/new?nr=4132686924";
    QTest::newRow("name ignoring case") << "ups (3)"
                                        << "https://ups.example/new?nr=4132686924";
    QTest::newRow("none recorded") << "Speedy (6)"
                                   << "https://parcelsapp.com/en/tracking/4132686924";
    QTest::newRow("no carrier") << ""
                                << "https://parcelsapp.com/en/tracking/4132686924";
}

void tst_DocumentStore::trackingAddress()
{
    QFETCH(QString, carrier);
    QFETCH(QString, address);
    static bool recorded = false;
    if (!recorded) {
        m_fixture.escape().append("qnrCarrierTrackingURL", {{"fwTrackID", "202701010000000012"},
                                                            {"fwCarrierName", "UPS"},
                                                            {"fwCarrierTrackURL", "https://ups.example/new?nr="}});
        recorded = true;
    }
    DocumentDetails details(m_fixture.escape(), m_clock);
    QString found;
    QVERIFY(!details.trackingAddress(carrier, " 4132686924 ", found));
    QCOMPARE(found, address);
}

QTEST_GUILESS_MAIN(tst_DocumentStore)
#include "tst_DocumentStore.moc"
