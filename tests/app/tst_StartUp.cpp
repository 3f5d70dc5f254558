#include "AppInfo.h"
#include "Connections.h"
#include "ConnectionSettings.h"
#include "FakeServices.h"
#include "frmSqlConnection.h"
#include "INIhandling.h"
#include "MainLibrary.h"
#include "TempFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

using namespace qnr;
using qnr::test::FakeServices;
using qnr::test::TempFolder;

namespace {

void createDatabaseFile(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fixture");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        db.exec("CREATE TABLE t (x INTEGER)");
        db.close();
    }
    QSqlDatabase::removeDatabase("fixture");
}

// A Config.ini whose three sections use the embedded engine.
void writeSqliteConfig(const TempFolder& folder, const QString& escapeFlag, const QString& lomagFlag,
                       const QString& escapeFile = "escape.db")
{
    const QString path = configPathIn(folder.path());
    const QStringList sections = {IniSections::vOffice, IniSections::escape, IniSections::lomag};
    const QStringList files = {"voffice.db", escapeFile, "lomag.db"};
    for (int i = 0; i < 3; ++i) {
        WriteIniValue(sections[i], "TermDbType", "SQLITE", path);
        WriteIniValue(sections[i], "TermDatabase", files[i], path);
    }
    if (!escapeFlag.isNull())
        WriteIniValue("General", "Escape", escapeFlag, path);
    if (!lomagFlag.isNull())
        WriteIniValue("General", "Lomag", lomagFlag, path);
}

bool odbcAvailable()
{
    return QSqlDatabase::isDriverAvailable("QODBC");
}

} // namespace

class tst_StartUp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void connectionTextFollowsTheGrammar();
    void odbcStringQuotesDangerousValues();
    void flags_data();
    void flags();
    void missingDatabaseFileIsRefused();
    void closedPortIsRefused();
    void firstStartInEmptyFolder();
    void refusedConnectionShowsMessageThenSettingsWindow();
    void settingsWindowWidthFollowsEscapeFlag_data();
    void settingsWindowWidthFollowsEscapeFlag();
    void settingsWindowTest();
    void settingsWindowSingleConnectionTest();
    void settingsWindowSave();
};

void tst_StartUp::connectionTextFollowsTheGrammar()
{
    TerminalSettings s;
    s.TermUserName = "sa";
    s.TermPassword = "p;w";
    s.TermDatabase = "ESC_STK001";
    s.TermServer = "LocalHost";
    QCOMPARE(BuildConnectionText(s), QString("Provider=SQLOLEDB.1;Persist Security Info=False;User Id=sa;Password=p;w;"
                                             "Initial Catalog=ESC_STK001;Data Source=LocalHost "));
}

void tst_StartUp::odbcStringQuotesDangerousValues()
{
    data::ConnectionOptions o;
    o.server = "db01,1444";
    o.userName = "sa";
    o.password = "a;b}c";
    o.database = "ESC_STK001";
    QCOMPARE(data::odbcConnectionString(o),
             QString("DRIVER={FreeTDS};SERVER=db01;PORT=1444;DATABASE=ESC_STK001;UID=sa;PWD={a;b}}c};"
                     "ClientCharset=UTF-8;"));
}

void tst_StartUp::flags_data()
{
    QTest::addColumn<QString>("escape");
    QTest::addColumn<QString>("lomag");
    QTest::addColumn<int>("next");
    QTest::addColumn<bool>("escapeOpen");
    QTest::addColumn<bool>("lomagOpen");
    const int login = int(StartStep::ShowLogin);
    const int none = int(StartStep::NoWindow);
    QTest::newRow("0 0") << "0"
                         << "0" << login << false << false;
    QTest::newRow("1 1") << "1"
                         << "1" << login << true << true;
    QTest::newRow("1 0") << "1"
                         << "0" << login << true << false;
    QTest::newRow("1 missing") << "1" << QString() << login << true << false;
    QTest::newRow("0 missing (the default file)") << "0" << QString() << none << false << false;
    QTest::newRow("0 1") << "0"
                         << "1" << none << false << false;
    QTest::newRow("missing 0") << QString() << "0" << none << false << false;
    QTest::newRow("both missing") << QString() << QString() << none << false << false;
    QTest::newRow("2 1") << "2"
                         << "1" << none << false << false;
}

void tst_StartUp::flags()
{
    QFETCH(QString, escape);
    QFETCH(QString, lomag);
    QFETCH(int, next);
    QFETCH(bool, escapeOpen);
    QFETCH(bool, lomagOpen);
    TempFolder folder;
    for (const char* name : {"voffice.db", "escape.db", "lomag.db"})
        createDatabaseFile(folder.file(name));
    writeSqliteConfig(folder, escape, lomag);
    const AppSettings settings = readSettings(configPathIn(folder.path()));
    AppConnections connections;
    const OpenOutcome outcome = OpenConnections(settings, connections, folder.path());
    QCOMPARE(int(outcome.next), next);
    QVERIFY(connections.vOffice.isOpen());
    QCOMPARE(connections.escape.isOpen(), escapeOpen);
    QCOMPARE(connections.lomag.isOpen(), lomagOpen);
}

void tst_StartUp::missingDatabaseFileIsRefused()
{
    TempFolder folder;
    createDatabaseFile(folder.file("voffice.db"));
    writeSqliteConfig(folder, "1", "1", "no-such-file.db");
    const AppSettings settings = readSettings(configPathIn(folder.path()));
    AppConnections connections;
    const OpenOutcome outcome = OpenConnections(settings, connections, folder.path());
    QCOMPARE(int(outcome.next), int(StartStep::ShowConnectionSettings));
    QVERIFY(outcome.error);
    QCOMPARE(outcome.error->number, QString("-2147467259"));
    QCOMPARE(connectionRefusedMessage(*outcome.error), QString("Λάθος Sql Νο -2147467259\rΠρόβλημα Σύνδεσης"));
    QVERIFY(connections.vOffice.isOpen());
    QVERIFY(!connections.escape.isOpen());
    QVERIFY(!QFileInfo::exists(folder.file("no-such-file.db")));
}

void tst_StartUp::closedPortIsRefused()
{
    if (!odbcAvailable())
        QSKIP("Qt's ODBC driver is not installed");
    TempFolder folder;
    const QString path = configPathIn(folder.path());
    QVERIFY(ensureConfigFile(path));
    WriteIniValue(IniSections::vOffice, "TermServer", "127.0.0.1,1", path);
    WriteIniValue(IniSections::escape, "TermServer", "127.0.0.1,1", path);
    WriteIniValue("General", "Escape", "1", path);
    const AppSettings settings = readSettings(path);
    AppConnections connections;
    const OpenOutcome outcome = OpenConnections(settings, connections, folder.path());
    QCOMPARE(int(outcome.next), int(StartStep::ShowConnectionSettings));
    QCOMPARE(outcome.error->number, QString("-2147467259"));
}

void tst_StartUp::firstStartInEmptyFolder()
{
    TempFolder folder;
    FakeServices fakes;
    QString errors;
    QTextStream errorOutput(&errors);
    MainLibrary library(fakes.services(), folder.path(), errorOutput);
    if (!odbcAvailable())
        QSKIP("Qt's ODBC driver is not installed");
    QVERIFY(!library.Main());
    QCOMPARE(folder.read("Config.ini").count("\r\n"), 30);
    // Whether or not a server answers on LocalHost, the default flags open no
    // window and the program says which keys to set.
    QVERIFY(fakes.dialogs.messages.isEmpty());
    QVERIFY2(errors.contains("Escape=1"), qPrintable(errors));
    QVERIFY(errors.contains(configPathIn(folder.path())));
    QVERIFY(!library.firstWindow());
}

void tst_StartUp::refusedConnectionShowsMessageThenSettingsWindow()
{
    TempFolder folder;
    createDatabaseFile(folder.file("voffice.db"));
    writeSqliteConfig(folder, "1", QString(), "missing.db");
    FakeServices fakes;
    QString errors;
    QTextStream errorOutput(&errors);
    MainLibrary library(fakes.services(), folder.path(), errorOutput);
    QVERIFY(library.Main());
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    const test::MessageCall& call = fakes.dialogs.messages.first();
    QCOMPARE(call.text, QString("Λάθος Sql Νο -2147467259\rΠρόβλημα Σύνδεσης"));
    QCOMPARE(call.caption, QString("QuinorAIS"));
    QCOMPARE(call.icon, MessageIcon::Critical);
    auto* window = qobject_cast<frmSqlConnection*>(library.firstWindow());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Σύνδεση με Sql"));
    QCOMPARE(window->findChild<QLineEdit*>("txtEscTermDatabase")->text(), QString("missing.db"));
}

void tst_StartUp::settingsWindowWidthFollowsEscapeFlag_data()
{
    QTest::addColumn<QString>("escape");
    QTest::addColumn<int>("twips");
    QTest::newRow("Escape 0") << "0" << 2470;
    QTest::newRow("Escape 1") << "1" << 7400;
    QTest::newRow("Escape missing") << "" << 7400;
}

void tst_StartUp::settingsWindowWidthFollowsEscapeFlag()
{
    QFETCH(QString, escape);
    QFETCH(int, twips);
    AppSettings held;
    held.Escape = escape;
    AppConnections connections;
    FakeServices fakes;
    frmSqlConnection window(held, connections, fakes.dialogs, QString(), {});
    QCOMPARE(window.width(), qRound(twips * window.logicalDpiX() / 1440.0));
    for (const char* name : {"txtTermPassword", "txtEscTermPassword", "txtLogTermPassword"})
        QCOMPARE(window.findChild<QLineEdit*>(name)->echoMode(), QLineEdit::Password);
    QCOMPARE(window.findChildren<QLineEdit*>().size(), 21);
}

void tst_StartUp::settingsWindowTest()
{
    TempFolder folder;
    for (const char* name : {"voffice.db", "escape.db", "lomag.db"})
        createDatabaseFile(folder.file(name));
    writeSqliteConfig(folder, "1", "1");
    const AppSettings held = readSettings(configPathIn(folder.path()));
    AppConnections connections;
    FakeServices fakes;
    frmSqlConnection window(held, connections, fakes.dialogs, folder.path(), {});

    window.findChild<QPushButton*>("cmdTest")->click();
    QCOMPARE(fakes.dialogs.messageTexts(), QStringList{ConnectionSettingsMessages::allSuccess});
    QCOMPARE(fakes.dialogs.messages.last().icon, MessageIcon::Information);
    QVERIFY(!connections.vOffice.isOpen());

    window.findChild<QLineEdit*>("txtEscTermDatabase")->setText("wrong.db");
    fakes.dialogs.clear();
    window.findChild<QPushButton*>("cmdTest")->click();
    QCOMPARE(fakes.dialogs.messageTexts(), QStringList{"Err- Δεν υπάρχει σύνδεση με τον διακομιστή ή την βάση Escape"});
    QCOMPARE(fakes.dialogs.messages.last().icon, MessageIcon::Critical);
}

void tst_StartUp::settingsWindowSingleConnectionTest()
{
    TempFolder folder;
    createDatabaseFile(folder.file("voffice.db"));
    writeSqliteConfig(folder, "0", "0");
    const AppSettings held = readSettings(configPathIn(folder.path()));
    AppConnections connections;
    FakeServices fakes;
    frmSqlConnection window(held, connections, fakes.dialogs, folder.path(), {});
    window.findChild<QPushButton*>("cmdTest")->click();
    QCOMPARE(fakes.dialogs.messageTexts(), QStringList{ConnectionSettingsMessages::singleSuccess});

    window.findChild<QLineEdit*>("txtTermDatabase")->setText("gone.db");
    fakes.dialogs.clear();
    window.findChild<QPushButton*>("cmdTest")->click();
    QCOMPARE(fakes.dialogs.messageTexts(), QStringList{ConnectionSettingsMessages::failurePrefix});
}

void tst_StartUp::settingsWindowSave()
{
    TempFolder folder;
    const QString path = configPathIn(folder.path());
    QVERIFY(ensureConfigFile(path));
    const AppSettings held = readSettings(path); // Escape "0": Lomag group hidden
    AppConnections connections;
    FakeServices fakes;
    bool ended = false;
    frmSqlConnection window(held, connections, fakes.dialogs, folder.path(), [&] { ended = true; });
    window.findChild<QLineEdit*>("txtTermServer")->setText("db01");
    window.findChild<QLineEdit*>("txtTermTimeOut")->setText("30");
    window.findChild<QPushButton*>("cmdSave")->click();

    QVERIFY(ended);
    QCOMPARE(fakes.dialogs.messageTexts(), QStringList{ConnectionSettingsMessages::saved});
    QCOMPARE(fakes.dialogs.messages.last().icon, MessageIcon::Exclamation);
    QCOMPARE(ReadIniValue(IniSections::vOffice, "TermServer", path), QString("db01"));
    QCOMPARE(ReadIniValue(IniSections::vOffice, "TermTimeOut", path), QString("30"));
    QCOMPARE(ReadIniValue(IniSections::vOffice, "TermDbType", path), QString("SQL"));
    // The hidden Lomag group is written with the (empty) values held for it.
    const QByteArray text = folder.read("Config.ini");
    QVERIFY(text.endsWith("[Lomag Terminal Settings]\r\nTermId=\r\nTermAway=\r\nTermServer=\r\nTermUserName=\r\n"
                          "TermPassword=\r\nTermDatabase=\r\nTermTimeout=\r\n"));
    QVERIFY(text.startsWith("[vOffice Terminal Settings]\r\nTermId=1\r\nTermAway=0\r\nTermDbType=SQL\r\n"
                            "TermServer=db01\r\n"));
    QVERIFY(text.contains("TermTimeOut=30\r\n"));
    QVERIFY(text.contains("[General]\r\nTipOfTheDay=0\r\nEscape=0\r\nSyrtNumber=2\r\n"));
}

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
