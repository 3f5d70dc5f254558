#include "AppInfo.h"
#include "Artwork.h"
#include "MainMenu.h"
#include "MDIForm1.h"
#include "RBXRibbon.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using namespace qnr;

namespace {

class FakeNetwork : public NetworkFacts {
public:
    bool internetConnected() override { return true; }
    QString wanIp() override { return "203.0.113.7"; }
    QString lanIp() override { return "192.168.1.10"; }
};

class FakeKeyboard : public KeyboardIndicators {
public:
    std::optional<bool> capsLock() const override { return true; }
    std::optional<bool> numLock() const override { return std::nullopt; }
};

struct Frame {
    AppSettings settings;
    FakeNetwork network;
    FakeKeyboard keyboard;
    QStringList made;
    int ended = 0;
    std::unique_ptr<MDIForm1> window;
    Frame()
    {
        settings.vOffice.TermId = "7";
        settings.vOffice.TermServer = "SRV-ACC\\SQL2019";
        window = std::make_unique<MDIForm1>(
            settings, "Tomrik", network, keyboard,
            [this](const QString& name) -> QWidget* {
                if (name != "frmQuotes" && name != "frmMoves" && name != "frmCMR1")
                    return nullptr;
                made << name;
                auto* w = new QWidget;
                w->setObjectName(name);
                return w;
            },
            [this] { ++ended; });
        window->show();
    }
    void press(const QString& id) { window->RBXRibbon1_ButtonClick(id, QString()); }
    QImage background() const { return window->mdiArea()->background().textureImage(); }
};

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionCarriesTheVersion();
    void ribbonContent();
    void themeCyclesAndRethemesTheFrame();
    void buttonsWithoutActionChangeNothing();
    void childWindowsAreSingleAndThemed();
    void laterWindowsDoNothingYet();
    void statusBar();
    void insertKeyToggles();
    void closingEndsTheProgram();
};

void tst_MainWindow::captionCarriesTheVersion()
{
    Frame f;
    QCOMPARE(f.window->windowTitle(),
             "QuinorAIS   ..:: Accounting Information System ::..   Still in v." + versionText());
}

void tst_MainWindow::ribbonContent()
{
    Frame f;
    const RBXRibbon* ribbon = f.window->ribbon();
    QStringList tabs;
    for (const RibbonTab& t : ribbon->tabs())
        tabs << t.id + "=" + t.caption;
    QCOMPARE(tabs, (QStringList{"1=Quotation", "2=Warehouse", "3=Accounting", "4=New Tab", "5=Options"}));
    QStringList categories;
    for (const RibbonCategory& c : ribbon->categories())
        categories << c.id + "/" + c.tab + "=" + c.caption + (c.dialogButton ? "+" : "");
    QCOMPARE(categories, (QStringList{"1/1=Create , Modify , List", "2/1=One very large group+", "3/1=Test - Test+",
                                      "4/2=Stock Management+", "6/3=Invoices", "7/5=Settings", "8/5=System"}));
    QStringList buttons;
    for (const RibbonButtonDef& b : ribbon->buttons())
        buttons << QStringLiteral("%1/%2|%3|%4|%5|%6")
                       .arg(b.id, b.category, b.caption)
                       .arg(b.picture)
                       .arg(b.more)
                       .arg(b.toolTip);
    QCOMPARE(buttons, (QStringList{
                          "0/1|New|2|0|New",
                          "1/1|Moves/Views|3|0|Moves/Views",
                          "2/1|OPEN CHILD|1|0|Open a new form child",
                          "3/1|Insert Picture|2|0|Insert Picture",
                          "4/1|Insert\r\nPicture|4|0|Insert Picture",
                          "5/2|Graph|5|0|Graph",
                          "6/2|Graph|6|1|Graph",
                          "7/3|Clip Art|7|0|Clip Art",
                          "8/4|Stock Items|8|0|Stock Items",
                          "9/6|Details|1|0|Invoice Details",
                          "10/7|CHANGE\r\nTHEME|6|0|CHANGE THEME",
                          "11/7|Carrier\r\nTracking URL|15|0|Carrier Tracking URL",
                          "12/7|App  Settings\r\nMain Options|16|0|App  Settings Main Options",
                          "13/8|Backup|9|0|Backup",
                          "14/8|Restore\r\n|10|0|Restore ",
                          "15/8|Exit|3|0|Exit",
                          "16/4|Certificates|17|0|Certificates",
                      }));
    QCOMPARE(ribbonImageList().size(), 17);
    for (const QIcon& icon : ribbonImageList())
        QCOMPARE(icon.pixmap(QSize(64, 64)).size(), QSize(64, 64));
    QCOMPARE(ribbon->Theme(), 2);
    QVERIFY(!ribbon->ButtonCenter());
    QCOMPARE(ribbon->visibleCategories(), (QStringList{"1", "2", "3"}));
}

void tst_MainWindow::themeCyclesAndRethemesTheFrame()
{
    Frame f;
    const QImage silver = f.background();
    QList<int> themes;
    QList<QImage> backgrounds;
    for (int i = 0; i < 3; ++i) {
        f.press("10");
        themes << f.window->ribbon()->Theme();
        backgrounds << f.background();
    }
    QCOMPARE(themes, (QList<int>{0, 1, 2}));
    QVERIFY(backgrounds[0] != silver);
    QVERIFY(backgrounds[1] != backgrounds[0]);
    QCOMPARE(backgrounds[2], silver);
    QCOMPARE(f.window->palette().color(QPalette::Window), QColor(208, 212, 221));
}

void tst_MainWindow::buttonsWithoutActionChangeNothing()
{
    Frame f;
    for (const char* id : {"6", "7", "13", "14", "15"})
        f.press(id);
    QVERIFY(f.made.isEmpty());
    QCOMPARE(f.window->mdiArea()->subWindowList().size(), 0);
    QCOMPARE(f.window->themeNumber(), 2);
    QCOMPARE(f.ended, 0);
}

void tst_MainWindow::childWindowsAreSingleAndThemed()
{
    Frame f;
    f.press("0");
    f.press("3");
    f.press("0");
    QCOMPARE(f.made, (QStringList{"frmQuotes", "frmMoves"}));
    QCOMPARE(f.window->mdiArea()->subWindowList().size(), 2);
    QCOMPARE(f.window->mdiArea()->activeSubWindow(), f.window->openWindow("frmQuotes"));
    QWidget* quotes = f.window->openWindow("frmQuotes")->widget();
    QVERIFY(quotes->autoFillBackground());
    QCOMPARE(quotes->palette().brush(QPalette::Window).textureImage(), f.background());
    f.press("4");
    QVERIFY(!f.window->openWindow("frmCMR1")->widget()->autoFillBackground());
    // Closed windows open afresh.
    f.window->openWindow("frmQuotes")->close();
    QTRY_VERIFY(!f.window->openWindow("frmQuotes"));
    f.press("0");
    QCOMPARE(f.made.count("frmQuotes"), 2);
}

void tst_MainWindow::laterWindowsDoNothingYet()
{
    Frame f;
    for (const char* id : {"1", "2", "5", "8", "9", "11", "12", "16"})
        f.press(id);
    QCOMPARE(f.window->mdiArea()->subWindowList().size(), 0);
}

void tst_MainWindow::statusBar()
{
    Frame f;
    QCOMPARE(f.window->panelText(3), QString("CAPS"));
    QCOMPARE(f.window->panelText(4), QString("NUM"));
    QCOMPARE(f.window->panelText(5), QString("INS"));
    QCOMPARE(f.window->panelText(6), QString("User: Tomrik"));
    QCOMPARE(f.window->panelText(7), QString("Terminal: 7"));
    QCOMPARE(f.window->panelText(8), QString("SQL Server: SRV-ACC\\SQL2019"));
    QCOMPARE(f.window->panelText(9), QString("Intenet: True"));
    QCOMPARE(f.window->panelText(10), QString("WAN IP: 203.0.113.7"));
    QCOMPARE(f.window->panelText(11), QString("LAN IP: 192.168.1.10"));
    QVERIFY(!f.window->panelText(1).isEmpty());
    QVERIFY(!f.window->panelText(2).isEmpty());
    QVERIFY(f.window->findChild<QLabel*>("Panel3")->isEnabled());
    QVERIFY(!f.window->findChild<QLabel*>("Panel4")->isEnabled());
}

void tst_MainWindow::insertKeyToggles()
{
    Frame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QVERIFY(!f.window->insertMode());
    QTest::keyClick(f.window.get(), Qt::Key_Insert);
    QVERIFY(f.window->insertMode());
    QVERIFY(f.window->findChild<QLabel*>("Panel5")->isEnabled());
    QTest::keyClick(f.window.get(), Qt::Key_Insert);
    QVERIFY(!f.window->insertMode());
}

void tst_MainWindow::closingEndsTheProgram()
{
    Frame f;
    f.press("0");
    f.window->close();
    QCOMPARE(f.ended, 1);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
