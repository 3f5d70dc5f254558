#include "AppInfo.h"
#include "CandyButton.h"
#include "DemoFixture.h"
#include "FakeServices.h"
#include "frmLogin.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

using namespace qnr;

class tst_Login : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void statements();
    void windowContent();
    void correctPasswordLogsIn_data();
    void correctPasswordLogsIn();
    void wrongPasswords_data();
    void wrongPasswords();
    void threeWrongPasswordsEndTheProgram();
    void correctOnTheThirdAttempt();
    void emptyUserIsNoAttempt();
    void quickLogins();
    void noEscapeConnection();
    void cancelEndsTheProgram();

private:
    struct Session {
        test::FakeDialogs dialogs;
        QString loggedIn;
        int ended = 0;
        std::unique_ptr<frmLogin> window;
        Session(const data::Connection& escape)
        {
            window = std::make_unique<frmLogin>(
                escape, dialogs, [this](const QString& name) { loggedIn = name; }, [this] { ++ended; });
            window->show();
        }
        void type(const QString& user, const QString& password)
        {
            window->findChild<QComboBox*>("cmbSelectUser")->setEditText(user);
            window->findChild<QLineEdit*>("KeyPressedUserPassword")->setText(password);
        }
        void login() { window->cButLogin_Click(); }
        QString status() const { return window->findChild<QStatusBar*>("stBarLogin")->findChild<QLabel*>()->text(); }
    };

    test::DemoFixture m_fixture{20, 20};
    data::Connection& m_escape = m_fixture.escape();
};

void tst_Login::initTestCase()
{
    QVERIFY2(m_fixture.ok(), qPrintable(m_fixture.error()));
}

void tst_Login::statements()
{
    QCOMPARE(usersStatement(), QString("SELECT * FROM Users"));
    QCOMPARE(userLookupStatement("Tomrik"), QString("SELECT * FROM Users WHERE UserName='Tomrik'"));
    QCOMPARE(userLookupStatement("O'Brien"), QString("SELECT * FROM Users WHERE UserName='O''Brien'"));
}

void tst_Login::windowContent()
{
    Session s(m_escape);
    QCOMPARE(s.window->windowTitle(), QString("User Login"));
    QCOMPARE(s.window->findChild<QLabel*>("Label1")->text(), "QuinorAIS v." + versionText());
    auto* tabs = s.window->findChild<QTabWidget*>("SSTab1");
    QCOMPARE(tabs->tabText(0), QString("Login"));
    QCOMPARE(tabs->tabText(1), QString(" Company Settings"));
    auto* users = s.window->findChild<QComboBox*>("cmbSelectUser");
    QCOMPARE(users->currentText(), QString("Tomrik"));
    QCOMPARE(users->itemText(0), QString("Tomrik")); // stored with trailing blanks
    QVERIFY(users->count() >= 5);
    QCOMPARE(s.window->findChild<QLineEdit*>("KeyPressedUserPassword")->echoMode(), QLineEdit::Password);
    QCOMPARE(s.window->findChild<CandyButton*>("cButLogin")->Caption(), QString("    &Log-in"));
    QCOMPARE(s.window->findChild<CandyButton*>("cButExit")->Caption(), QString("    &Cancel"));
    QCOMPARE(s.status(), QString("Προσπάθιες εισόδου 1 από 3"));
}

void tst_Login::correctPasswordLogsIn_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("name stored with trailing blanks") << "Tomrik"
                                                      << "8067";
    QTest::newRow("apostrophe in the name") << "O'Brien"
                                            << "shamrock";
    QTest::newRow("greek name") << "Γιώργος"
                                << "1234";
}

void tst_Login::correctPasswordLogsIn()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    Session s(m_escape);
    s.type(user, password);
    s.login();
    QCOMPARE(s.loggedIn, user);
    QVERIFY(s.window->isHidden());
    QVERIFY(s.dialogs.messages.isEmpty());
    QCOMPARE(s.ended, 0);
}

void tst_Login::wrongPasswords_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("letter case differs") << "Tomrik"
                                         << "8067 ";
    QTest::newRow("another user's password") << "Maria"
                                             << "8067";
    QTest::newRow("unknown name, empty password") << "Nobody"
                                                  << "";
    QTest::newRow("sql in the name") << "' OR '1'='1"
                                     << "";
}

void tst_Login::wrongPasswords()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    Session s(m_escape);
    s.type(user, password);
    s.login();
    QVERIFY(s.loggedIn.isEmpty());
    QCOMPARE(s.dialogs.messageTexts(), QStringList{"Λάθος Κλειδί"});
    QCOMPARE(s.dialogs.messages[0].caption, QString("QuinorAIS"));
    QCOMPARE(s.dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(s.window->Prospathies(), 2);
    QCOMPARE(s.status(), QString("Προσπάθιες εισόδου 2 από 3"));
    // The typed texts stay.
    QCOMPARE(s.window->findChild<QLineEdit*>("KeyPressedUserPassword")->text(), password);
}

void tst_Login::threeWrongPasswordsEndTheProgram()
{
    Session s(m_escape);
    s.type("Tomrik", "no");
    s.login();
    QCOMPARE(s.status(), QString("Προσπάθιες εισόδου 2 από 3"));
    s.login();
    QCOMPARE(s.status(), QString("Προσπάθιες εισόδου 3 από 3"));
    QCOMPARE(s.ended, 0);
    s.login();
    QCOMPARE(s.dialogs.messageTexts(), (QStringList{"Λάθος Κλειδί", "Λάθος Κλειδί", "Η Είσοδος Δεν Επιτρέπετε"}));
    QCOMPARE(s.ended, 1);
    QVERIFY(!s.window->isVisible());
}

void tst_Login::correctOnTheThirdAttempt()
{
    Session s(m_escape);
    s.type("Tomrik", "1");
    s.login();
    s.login();
    s.type("Tomrik", "8067");
    s.login();
    QCOMPARE(s.loggedIn, QString("Tomrik"));
    QCOMPARE(s.ended, 0);
}

void tst_Login::emptyUserIsNoAttempt()
{
    Session s(m_escape);
    s.type("", "x");
    s.login();
    QCOMPARE(s.dialogs.messageTexts(), QStringList{"Πρέπει να επιλέξετε χρήστη!!"});
    QCOMPARE(s.window->Prospathies(), 1);
}

void tst_Login::quickLogins()
{
    {
        // The default user with the default SQL password: the demo's Tomrik has another.
        Session s(m_escape);
        QTest::mouseDClick(s.window->findChild<QLabel*>("Image1"), Qt::LeftButton);
        QCOMPARE(s.window->findChild<QLineEdit*>("KeyPressedUserPassword")->text(), QString("qa"));
        QCOMPARE(s.dialogs.messageTexts(), QStringList{"Λάθος Κλειδί"});
        QCOMPARE(s.window->Prospathies(), 2);
    }
    {
        Session s(m_escape);
        auto* picture = s.window->findChild<QLabel*>("Picture3");
        QTest::keyClick(picture, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(s.loggedIn.isEmpty());
        QTest::keyClick(picture, Qt::Key_A);
        QVERIFY(s.loggedIn.isEmpty());
        QTest::keyClick(picture, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(s.loggedIn, QString("Quinor"));
    }
}

void tst_Login::noEscapeConnection()
{
    data::Connection closed("closed");
    Session s(closed);
    auto* notice = s.window->findChild<QLabel*>("lblNotice");
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains("Escape=1"));
    QVERIFY(!s.window->findChild<CandyButton*>("cButLogin")->isEnabled());
    s.type("Tomrik", "8067");
    s.login();
    QVERIFY(s.loggedIn.isEmpty());
    QCOMPARE(s.window->Prospathies(), 1);
}

void tst_Login::cancelEndsTheProgram()
{
    Session s(m_escape);
    s.window->cButExit_Click();
    QCOMPARE(s.ended, 1);
}

QTEST_MAIN(tst_Login)
#include "tst_Login.moc"
