#include "DemoFixture.h"
#include "FakeServices.h"
#include "frmDocPath.h"
#include "frmForwarderTrack.h"
#include "frmMoves.h"
#include "ReportList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace qnr;
using namespace qnr::documents;

namespace {

struct Session {
    test::DemoFixture fixture;
    test::FakeServices fakes;
    test::TempFolder logFolder;
    ErrorLog log{fakes.dialogs, fakes.clock, logFolder.file("ErrorLog.txt"), "u", "c"};
    AppState state;
    PathMapper drives;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<frmMoves> window;

    Session()
    {
        fakes.clock.moment = QDateTime(test::DemoFixture::today(), QTime(16, 8, 36));
        drives.setDrive(QLatin1Char('W'), logFolder.path());
        context.reset(new AppContext{fakes.services(), fixture.connections(), log, state, drives});
        window = std::make_unique<frmMoves>(*context);
        window->show();
    }
    template <typename T> T* find(const char* name) const { return window->findChild<T*>(QString::fromLatin1(name)); }
    ReportListModel* list() const { return window->documentsList()->listModel(); }
    void allDocuments(bool sales, bool delivery, bool purchase)
    {
        find<QRadioButton>("optAll")->setChecked(true);
        find<QCheckBox>("chkSales")->setChecked(sales);
        find<QCheckBox>("chkDelivery")->setChecked(delivery);
        find<QCheckBox>("chkPurchase")->setChecked(purchase);
        find<QPushButton>("cmdGo")->click();
    }
    int rowOf(const QString& code, bool withDetails) const
    {
        for (int i = 0; i < list()->rowCount(); ++i) {
            const bool red = list()->rowAt(i).color.isValid();
            if (list()->text(i, 3) == code && red != withDetails)
                return i;
        }
        return -1;
    }
};

} // namespace

class tst_frmMoves : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnThisMonthsWarehouseDocuments();
    void listsTickedKinds();
    void noKindTickedWarns();
    void warehouseKindFromTheCombo();
    void badWarehouseKindText();
    void clickSetsTheSelectedDocument();
    void documentItems();
    void commandsBeforeAnyDocument();
    void detailsFilesRoundTrip();
    void selectingAnotherDocumentClearsTheDetails();
    void cancelledFileDialogAddsNoLine();
    void openingAttachedFiles();
    void trackShipment();
    void documentPathAndShowDocument();
    void counterpartyLookups();
    void carrierTracking();
};

void tst_frmMoves::opensOnThisMonthsWarehouseDocuments()
{
    Session s;
    QVERIFY(s.fixture.ok());
    QCOMPARE(s.find<QDateEdit>("DTFrom")->date(), QDate(2026, 12, 1));
    QCOMPARE(s.find<QDateEdit>("DTTo")->date(), QDate(2026, 12, 31));
    QVERIFY(s.find<QRadioButton>("optWarehouse")->isChecked());
    QVERIFY(!s.find<QWidget>("fraDocumentKinds")->isEnabled());
    QVERIFY(s.find<QCheckBox>("chkSales")->isChecked());
    QTabWidget* pages = s.window->pages();
    QCOMPARE(pages->tabText(3), QString(" Document Details"));
    QVERIFY(!pages->isTabEnabled(frmMoves::DocumentItems));
    QVERIFY(!pages->isTabEnabled(frmMoves::ItemsDetails));
    QVERIFY(!pages->isTabEnabled(frmMoves::Details));
    QCOMPARE(s.list()->rowCount(), 0); // no kind chosen yet
    QCOMPARE(s.find<QComboBox>("cmbDocuments")->itemText(0), QString("Stock Transfer - (WTR)"));
    QVERIFY(s.find<QComboBox>("cmbMainCarrier")->itemText(0).endsWith(")"));
    QCOMPARE(s.window->documentsMenu()->defaultAction()->text(), QString("Print &CMR"));
}

void tst_frmMoves::listsTickedKinds()
{
    Session s;
    s.allDocuments(true, false, false);
    QVERIFY(s.list()->rowCount() > 0);
    for (int i = 0; i < s.list()->rowCount(); ++i) {
        QCOMPARE(s.list()->text(i, 3), QString("CINV"));
        QVERIFY(s.list()->text(i, 2).endsWith("/12/2026"));
    }
    const int sales = s.list()->rowCount();
    s.allDocuments(true, false, true);
    QVERIFY(s.window->lastStatement().contains("IN ('CINV','SINV' ) AND MvDate >='2026-12-01'"));
    QVERIFY(s.list()->rowCount() > sales);
    QCOMPARE(s.list()->headerData(8, Qt::Horizontal).toString(), QString("Am.Euro"));
    // The last document without details is the selected one.
    int lastRed = -1;
    for (int i = 0; i < s.list()->rowCount(); ++i)
        if (s.list()->rowAt(i).color.isValid())
            lastRed = i;
    QCOMPARE(s.window->documentsList()->selectedRow(), lastRed);
}

void tst_frmMoves::noKindTickedWarns()
{
    Session s;
    s.allDocuments(true, true, false);
    const int rows = s.list()->rowCount();
    s.fakes.dialogs.clear();
    s.allDocuments(false, false, false);
    QCOMPARE(s.fakes.dialogs.messageTexts(), QStringList{"A document time must be selected"});
    QCOMPARE(s.fakes.dialogs.messages[0].caption, QString("Warning!!!"));
    QCOMPARE(s.fakes.dialogs.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(s.list()->rowCount(), rows);
}

void tst_frmMoves::warehouseKindFromTheCombo()
{
    Session s;
    auto* combo = s.find<QComboBox>("cmbDocuments");
    combo->setCurrentIndex(0);
    s.window->cmbDocuments_LostFocus();
    QCOMPARE(s.find<QLabel>("lblDocCode")->text(), QString("WTR"));
    QCOMPARE(s.find<QLabel>("lblDocTitle")->text(), QString("Stock Transfer - "));
    s.find<QPushButton>("cmdThisYear")->click();
    QVERIFY(
        s.window->lastStatement().startsWith("SELECT * FROM Moves WHERE ParastCod ='WTR' and MvDate >='2026-01-01'"));
    QVERIFY(s.list()->rowCount() > 0);
}

void tst_frmMoves::badWarehouseKindText()
{
    Session s;
    s.find<QComboBox>("cmbDocuments")->setEditText("abc");
    s.window->cmbDocuments_LostFocus();
    QCOMPARE(s.fakes.dialogs.messageTexts(), (QStringList{"Δεν βρέθηκε.", "String2 not found."}));
    QCOMPARE(s.find<QLabel>("lblDocCode")->text(), QString("Label3"));
    QVERIFY(s.logFolder.read("ErrorLog.txt").contains("cmbDocuments_LostFocus"));
}

void tst_frmMoves::clickSetsTheSelectedDocument()
{
    Session s;
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    QCOMPARE(s.state.selectedDocument, s.list()->text(0, 0));
    QCOMPARE(s.window->currentCounterparty(), s.list()->text(0, 1));
    QCOMPARE(s.find<QLabel>("lblSelected")->text(), s.list()->text(0, 1) + " " + s.list()->text(0, 0));
    QCOMPARE(s.find<QLabel>("lblDetailsLine")->text(),
             QStringList({s.list()->text(0, 2), "CINV", s.list()->text(0, 4), s.list()->text(0, 6)}).join(" - "));
}

void tst_frmMoves::documentItems()
{
    Session s;
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    s.window->mnuDocumentItems_Click();
    QCOMPARE(s.window->pages()->currentIndex(), int(frmMoves::DocumentItems));
    auto* items = s.find<ReportListView>("lvDocItemsDetails");
    QVERIFY(items->listModel()->rowCount() >= 1);
    QCOMPARE(items->listModel()->headerData(5, Qt::Horizontal).toString(), QString("Price"));
    QCOMPARE(items->listModel()->text(0, 1), s.state.selectedDocument);
}

void tst_frmMoves::commandsBeforeAnyDocument()
{
    Session s;
    s.window->mnuShowDocument_Click();
    s.window->mnuDocumentDetails_Click();
    s.window->cmdAddFiles_Click();
    s.window->cmdDeleteFile_Click();
    s.window->cmdSave_Click();
    s.window->mnuSetDocumentPath_Click();
    QCOMPARE(s.fakes.dialogs.messages.size(), 6);
    for (const auto& m : s.fakes.dialogs.messages)
        QCOMPARE(m.text, QString("Select a document in the list first."));
    QVERIFY(s.fakes.shell.opened.isEmpty());
    QCOMPARE(s.fixture.escape().select("SELECT * FROM qnrFiles").rows.size(), 0);
    QVERIFY(!s.window->documentPathWindow());
}

void tst_frmMoves::detailsFilesRoundTrip()
{
    Session s;
    s.allDocuments(true, false, false);
    const int row = s.rowOf("CINV", false);
    QVERIFY(row >= 0);
    s.window->lvEscMoves_Click(row);
    const QString mvId = s.state.selectedDocument;
    s.window->mnuDocumentDetails_Click();
    QCOMPARE(s.fakes.dialogs.messageTexts(), QStringList{" Δεν εχει Εγγραφες "});
    QCOMPARE(s.fakes.dialogs.messages[0].caption, QString("Added"));

    s.find<QLineEdit>("txtQNRQT")->setText("QC-120");
    s.find<QLineEdit>("txtSuppSO")->setText("SO-77");
    s.find<QComboBox>("cmbMainCarrier")->setEditText("FedEx (2)");
    s.find<QLineEdit>("txtMainCarrierAWB")->setText("4132686924");
    s.find<QPlainTextEdit>("txtNotes")->setPlainText("Deliver to gate 3");
    for (const char* file : {"/srv/docs/po.pdf", "W:\\Orders\\awb.png"}) {
        s.fakes.dialogs.setNextFileName(QString(file));
        s.fakes.dialogs.setNextInput(QString("doc ") + file);
        s.window->cmdAddFiles_Click();
    }
    s.fakes.dialogs.clear();
    s.window->cmdSave_Click();
    QCOMPARE(s.fakes.dialogs.messageTexts(),
             (QStringList{"Η Εγγραφή/ες Διαγραφικαν απο Βάση των αρχειων!",
                          "Η Εγγραφή Καταχωρίθηκε Στην Βάση των αρχειων!", "Η Εγγραφή Καταχωρίθηκε Στην Βάση!"}));
    QCOMPARE(s.find<QPushButton>("cmdSave")->text(), QString("Update"));
    // The second press updates the same row.
    s.find<QLineEdit>("txtQNRQT")->setText("QC-121");
    s.fakes.dialogs.clear();
    s.window->cmdSave_Click();
    QCOMPARE(s.fakes.dialogs.messageTexts().last(), QString("Η Μεταβολή Καταχωρίθηκε Στην Βάση!"));
    QCOMPARE(s.fixture.escape().select("SELECT * FROM qnrDocumentDetails WHERE MvId = " + mvId).rows.size(), 1);

    // Reload in a new window: exactly what was saved.
    Session* same = &s;
    same->window = std::make_unique<frmMoves>(*same->context);
    s.allDocuments(true, false, false);
    int again = -1;
    for (int i = 0; i < s.list()->rowCount(); ++i)
        if (s.list()->text(i, 0) == mvId)
            again = i;
    QVERIFY(again >= 0);
    QVERIFY(!s.list()->rowAt(again).color.isValid()); // no longer red
    s.window->lvEscMoves_Click(again);
    s.fakes.dialogs.clear();
    s.window->mnuDocumentDetails_Click();
    QCOMPARE(s.fakes.dialogs.messageTexts(), QStringList{" Εχει Εγγραφες "});
    QCOMPARE(s.find<QLineEdit>("txtQNRQT")->text(), QString("QC-121"));
    QCOMPARE(s.find<QLineEdit>("txtSuppSO")->text(), QString("SO-77"));
    QCOMPARE(s.find<QComboBox>("cmbMainCarrier")->currentText(), QString("FedEx (2)"));
    QCOMPARE(s.find<QPlainTextEdit>("txtNotes")->toPlainText(), QString("Deliver to gate 3"));
    auto* files = s.find<ReportListView>("lvFilePath")->listModel();
    QCOMPARE(files->rowCount(), 2);
    QCOMPARE(files->text(0, 4), QString("/srv/docs/po.pdf"));
    QCOMPARE(files->text(1, 3), QString("awb.png"));
    QCOMPARE(files->text(1, 2), QString("doc W:\\Orders\\awb.png"));
}

void tst_frmMoves::selectingAnotherDocumentClearsTheDetails()
{
    Session s;
    s.allDocuments(true, false, false);
    const int with = s.rowOf("CINV", true);
    QVERIFY(with >= 0);
    s.window->lvEscMoves_Click(with);
    s.window->mnuDocumentDetails_Click();
    QCOMPARE(s.find<QPushButton>("cmdSave")->text(), QString("Update"));
    QVERIFY(!s.find<QLineEdit>("txtSuppSO")->text().isEmpty());
    const int other = s.rowOf("CINV", false);
    s.window->lvEscMoves_Click(other);
    QCOMPARE(s.find<QPushButton>("cmdSave")->text(), QString("Save"));
    QVERIFY(s.find<QLineEdit>("txtSuppSO")->text().isEmpty());
    QVERIFY(s.find<QLabel>("lblMvId")->text().isEmpty());
}

void tst_frmMoves::cancelledFileDialogAddsNoLine()
{
    Session s;
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    s.fakes.dialogs.setNextFileName(std::nullopt);
    s.window->cmdAddFiles_Click();
    QCOMPARE(s.find<ReportListView>("lvFilePath")->listModel()->rowCount(), 0);
    QVERIFY(s.fakes.dialogs.inputPrompts.isEmpty());
    // Clear File List without a selected line asks nothing.
    s.window->cmdClearList_Click();
    QVERIFY(s.fakes.dialogs.messages.isEmpty());
    // With a line selected it asks, No as default.
    s.fakes.dialogs.setNextFileName(QString("/a/b.pdf"));
    s.window->cmdAddFiles_Click();
    s.find<ReportListView>("lvFilePath")->selectRow(0);
    s.window->cmdClearList_Click();
    QCOMPARE(s.fakes.dialogs.messages.last().text, QString("Are you sure?"));
    QCOMPARE(s.fakes.dialogs.messages.last().defaultAnswer, Answer::No);
    QCOMPARE(s.find<ReportListView>("lvFilePath")->listModel()->rowCount(), 1);
    s.fakes.dialogs.setNextAnswer(Answer::Yes);
    s.window->cmdClearList_Click();
    QCOMPARE(s.find<ReportListView>("lvFilePath")->listModel()->rowCount(), 0);
}

void tst_frmMoves::openingAttachedFiles()
{
    Session s;
    QDir(s.logFolder.path()).mkpath("Orders");
    s.logFolder.write("Orders/awb.png", "png");
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    for (const char* file : {"w:\\orders\\AWB.png", "Q:\\nowhere.pdf"}) {
        s.fakes.dialogs.setNextFileName(QString(file));
        s.window->cmdAddFiles_Click();
    }
    s.window->lvFilePath_DblClick(0);
    QCOMPARE(s.fakes.shell.opened, QStringList{s.logFolder.file("Orders/awb.png")});
    s.window->lvFilePath_DblClick(1);
    QCOMPARE(s.fakes.shell.opened.size(), 1);
    QVERIFY(s.fakes.dialogs.messages.last().text.contains("Q:\\nowhere.pdf"));
}

void tst_frmMoves::trackShipment()
{
    Session s;
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    s.window->cmdTrack_Click();
    QVERIFY(s.fakes.shell.opened.isEmpty());
    QCOMPARE(s.fakes.dialogs.messages.size(), 1);
    s.find<QComboBox>("cmbMainCarrier")->setEditText("FedEx (2)");
    s.find<QLineEdit>("txtMainCarrierAWB")->setText("771234");
    s.window->cmdTrack_Click();
    QCOMPARE(s.fakes.shell.opened.last(), QString("https://www.fedex.com/fedextrack/?trknbr=771234"));
    s.find<QComboBox>("cmbMainCarrier")->setEditText("Speedy (6)");
    s.window->cmdTrack_Click();
    QCOMPARE(s.fakes.shell.opened.last(), QString("https://parcelsapp.com/en/tracking/771234"));
}

void tst_frmMoves::documentPathAndShowDocument()
{
    Session s;
    s.logFolder.write("inv.pdf", "%PDF");
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    s.window->mnuSetDocumentPath_Click();
    frmDocPath* path = s.window->documentPathWindow();
    QVERIFY(path);
    QVERIFY(path->findChild<QLineEdit*>("txtDocPath")->text().isEmpty());
    s.fakes.dialogs.setNextFileName(QString("W:\\inv.pdf"));
    s.fakes.dialogs.setNextInput(QString("Invoice copy"));
    path->cmdBrowse_Click();
    QCOMPARE(path->findChild<QLineEdit*>("txtDocFileName")->text(), QString("inv.pdf"));
    s.fakes.dialogs.clear();
    path->cmdSave_Click();
    QCOMPARE(s.fakes.dialogs.messageTexts(), (QStringList{"Η Εγγραφή/ες Διαγραφικαν απο Βάση των αρχειων!",
                                                          "Η Εγγραφή Καταχωρίθηκε Στην Βάση των αρχειων!"}));
    QTRY_VERIFY(!s.window->documentPathWindow());
    s.window->mnuShowDocument_Click();
    QCOMPARE(s.fakes.shell.opened, QStringList{s.logFolder.file("inv.pdf")});
    // Reopened, the window shows the recorded file.
    s.window->mnuSetDocumentPath_Click();
    QCOMPARE(s.window->documentPathWindow()->findChild<QLineEdit*>("txtDocPath")->text(), QString("W:\\inv.pdf"));
    QCOMPARE(s.window->documentPathWindow()->findChild<QLabel*>("lblDescription")->text(), QString("Invoice copy"));
}

void tst_frmMoves::counterpartyLookups()
{
    Session s;
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_DblClick(0);
    const QString logId = s.window->currentCounterparty();
    QVERIFY(s.find<QLineEdit>("txtLookup")->text().startsWith(logId + " "));
    s.window->Command1_Click();
    QVERIFY(s.find<QLineEdit>("txtLookup")->text().endsWith(" - " + logId));
    s.window->Command2_Click();
    auto* addresses = s.find<ReportListView>("lvAddresses")->listModel();
    QVERIFY(addresses->rowCount() >= 1);
    QCOMPARE(addresses->headerData(2, Qt::Horizontal).toString(), QString("Full Address"));
    QVERIFY(s.find<QLineEdit>("txtAddress")->text().startsWith(addresses->text(addresses->rowCount() - 1, 0) + "-"));
    QVERIFY(s.find<QComboBox>("cmbCounterparty")->count() > 10);
}

void tst_frmMoves::carrierTracking()
{
    Session s;
    frmForwarderTrack window(*s.context);
    auto* carrier = window.findChild<QComboBox*>("cmbCarrierName");
    QCOMPARE(carrier->itemText(0), QString("Client pickup"));
    carrier->setEditText("Speedy");
    window.findChild<QLineEdit*>("txtCarrierURL")->setText("https://speedy.example/track?n=");
    window.cmdSave_Click();
    window.cmdSave_Click();
    QCOMPARE(s.fakes.dialogs.messageTexts(),
             (QStringList{"Η Εγγραφή Καταχωρίθηκε Στην Βάση!", "Η Εγγραφή Καταχωρίθηκε Στην Βάση!"}));
    QCOMPARE(
        s.fixture.escape().select("SELECT * FROM qnrCarrierTrackingURL WHERE fwCarrierName = 'Speedy'").rows.size(), 2);
    // The documents page tracks with it.
    s.allDocuments(true, false, false);
    s.window->lvEscMoves_Click(0);
    s.find<QComboBox>("cmbMainCarrier")->setEditText("Speedy (6)");
    s.find<QLineEdit>("txtMainCarrierAWB")->setText("99");
    s.window->cmdTrack_Click();
    QCOMPARE(s.fakes.shell.opened.last(), QString("https://speedy.example/track?n=99"));
}

QTEST_MAIN(tst_frmMoves)
#include "tst_frmMoves.moc"
