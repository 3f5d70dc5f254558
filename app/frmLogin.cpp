#include "frmLogin.h"

#include "AppInfo.h"
#include "Artwork.h"
#include "CandyButton.h"
#include "modLogError.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qnr {

frmLogin::frmLogin(const data::Connection& escape, Dialogs& dialogs, std::function<void(const QString&)> loggedIn,
                   std::function<void()> endProgram, QWidget* parent)
    : QWidget(parent)
    , m_escape(escape)
    , m_dialogs(dialogs)
    , m_loggedIn(std::move(loggedIn))
    , m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("User Login"));

    m_version = new QLabel(QStringLiteral("QuinorAIS v.") + versionText(), this);
    m_version->setObjectName(QStringLiteral("Label1"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    auto* loginPage = new QWidget;
    auto* companyPage = new QWidget;
    m_tabs->addTab(loginPage, QStringLiteral("Login"));
    m_tabs->addTab(companyPage, QStringLiteral(" Company Settings"));

    m_logo = new QLabel(loginPage);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setPixmap(companyLogo(QSize(120, 120), devicePixelRatioF()));
    m_logo->installEventFilter(this);

    m_users = new QComboBox(loginPage);
    m_users->setObjectName(QStringLiteral("cmbSelectUser"));
    m_users->setEditable(true);
    m_users->setInsertPolicy(QComboBox::NoInsert);
    m_password = new QLineEdit(loginPage);
    m_password->setObjectName(QStringLiteral("KeyPressedUserPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_remember = new QCheckBox(QStringLiteral("Remember me"), loginPage);
    m_remember->setObjectName(QStringLiteral("Check1"));

    m_login = new CandyButton(loginPage);
    m_login->setObjectName(QStringLiteral("cButLogin"));
    m_login->setCaption(QStringLiteral("    &Log-in"));
    m_login->setStyle(2);
    m_login->setColorScheme(1);
    m_login->setForeColor(Qt::white);
    m_exit = new CandyButton(loginPage);
    m_exit->setObjectName(QStringLiteral("cButExit"));
    m_exit->setCaption(QStringLiteral("    &Cancel"));
    m_exit->setStyle(2);
    m_exit->setColorScheme(2);
    m_exit->setForeColor(Qt::white);
    connect(m_login, &CandyButton::Click, this, &frmLogin::cButLogin_Click);
    connect(m_exit, &CandyButton::Click, this, &frmLogin::cButExit_Click);
    // Enter in the fields logs in.
    connect(m_password, &QLineEdit::returnPressed, this, &frmLogin::cButLogin_Click);

    m_picture3 = new QLabel(loginPage);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setPixmap(companyLogo(QSize(24, 24), devicePixelRatioF()));
    m_picture3->setFocusPolicy(Qt::StrongFocus);
    m_picture3->installEventFilter(this);

    m_notice = new QLabel(loginPage);
    m_notice->setObjectName(QStringLiteral("lblNotice"));
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_notice->hide();

    auto* grid = new QGridLayout(loginPage);
    grid->addWidget(m_logo, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Username"), loginPage), 0, 1);
    grid->addWidget(m_users, 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Password"), loginPage), 1, 1);
    grid->addWidget(m_password, 1, 2, 1, 2);
    grid->addWidget(m_remember, 2, 2, 1, 2);
    grid->addWidget(m_login, 3, 2);
    grid->addWidget(m_exit, 3, 3);
    grid->addWidget(m_picture3, 4, 3, Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(m_notice, 5, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    auto* companyLayout = new QVBoxLayout(companyPage);
    auto* bigLogo = new QLabel(companyPage);
    bigLogo->setPixmap(companyLogo(QSize(220, 160), devicePixelRatioF()));
    companyLayout->addWidget(bigLogo, 0, Qt::AlignCenter);

    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("stBarLogin"));
    m_status->setSizeGripEnabled(false);
    m_attemptPanel = new QLabel(m_status);
    m_status->addWidget(m_attemptPanel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_version);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    resize(460, 300);

    showAttempt();
    fillUsers();
    m_users->setEditText(QString::fromLatin1(kDefaultUser));
}

void frmLogin::showAttempt()
{
    m_attemptPanel->setText(LoginMessages::attempts(m_attempts.Prospathies()));
}

void frmLogin::fillUsers()
{
    m_users->clear();
    if (!m_escape.isOpen()) {
        m_notice->setText(LoginMessages::noEscapeConnection);
        m_notice->show();
        m_login->setEnabled(false);
        return;
    }
    const data::QueryResult users = m_escape.select(usersStatement());
    if (!users.ok()) {
        m_notice->setText(users.error->description);
        m_notice->show();
        m_login->setEnabled(false);
        return;
    }
    m_users->addItems(userNames(users.rows));
}

void frmLogin::cButLogin_Click()
{
    if (!m_login->isEnabled())
        return;
    const QString name = m_users->currentText();
    data::DbError error;
    const LoginResult result = m_attempts.check(m_escape, name, m_password->text(), &error);
    switch (result) {
    case LoginResult::EmptyUser:
        m_dialogs.message(LoginMessages::chooseUser, applicationTitle(), MessageIcon::None);
        return;
    case LoginResult::Success:
        m_userName = name;
        if (m_loggedIn)
            m_loggedIn(name);
        hide();
        return;
    case LoginResult::WrongPassword:
        showAttempt();
        m_dialogs.message(LoginMessages::wrongKey, applicationTitle(), MessageIcon::None);
        return;
    case LoginResult::Denied:
        m_dialogs.message(LoginMessages::denied, applicationTitle(), MessageIcon::None);
        close();
        if (m_endProgram)
            m_endProgram();
        return;
    case LoginResult::DatabaseError:
        // Without the users table nothing can go on: say why, then end.
        reportFailure(m_dialogs, error);
        close();
        if (m_endProgram)
            m_endProgram();
        return;
    }
}

void frmLogin::cButExit_Click()
{
    close();
    if (m_endProgram)
        m_endProgram();
}

void frmLogin::Image1_DblClick()
{
    m_users->setEditText(QString::fromLatin1(kDefaultUser));
    m_password->setText(QString::fromLatin1(kDefaultSqlPassword));
    cButLogin_Click();
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_logo && event->type() == QEvent::MouseButtonDblClick) {
        Image1_DblClick();
        return true;
    }
    if (watched == m_picture3 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (mods == Qt::ControlModifier && key->key() != Qt::Key_Control) {
            m_users->setEditText(QString::fromLatin1(kCtrlQuickLoginUser));
            m_password->setText(QString::fromLatin1(kCtrlQuickLoginPassword));
            cButLogin_Click();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qnr
