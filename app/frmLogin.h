#pragma once

#include "LoginLogic.h"
#include "Services.h"

#include <functional>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QCheckBox;
class QStatusBar;
class QTabWidget;

namespace qnr {

class CandyButton;

// The first window after the connections open: pick a user, type the password,
// three attempts.
class frmLogin : public QWidget {
    Q_OBJECT
public:
    frmLogin(const data::Connection& escape, Dialogs& dialogs, std::function<void(const QString&)> loggedIn,
             std::function<void()> endProgram, QWidget* parent = nullptr);

    int Prospathies() const { return m_attempts.Prospathies(); }
    const QString& userName() const { return m_userName; }

public Q_SLOTS:
    void cButLogin_Click();
    void cButExit_Click();
    void Image1_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillUsers();
    void showAttempt();

    const data::Connection& m_escape;
    Dialogs& m_dialogs;
    std::function<void(const QString&)> m_loggedIn;
    std::function<void()> m_endProgram;
    LoginAttempts m_attempts;
    QString m_userName;

    QLabel* m_version;
    QTabWidget* m_tabs;
    QComboBox* m_users;
    QLineEdit* m_password;
    QCheckBox* m_remember;
    CandyButton* m_login;
    CandyButton* m_exit;
    QLabel* m_logo;
    QLabel* m_picture3;
    QLabel* m_notice;
    QStatusBar* m_status;
    QLabel* m_attemptPanel;
};

} // namespace qnr
