#pragma once

#include "ConnectionSettings.h"

#include <functional>
#include <QWidget>

class QLineEdit;
class QGroupBox;
class QPushButton;

namespace qnr {

// Shown only when a connection was refused at start-up: test and save the values.
class frmSqlConnection : public QWidget {
    Q_OBJECT
public:
    frmSqlConnection(const AppSettings& held, AppConnections& connections, Dialogs& dialogs, QString programFolder,
                     std::function<void()> endProgram, QWidget* parent = nullptr);

    SectionValues boxValues() const;

public Q_SLOTS:
    void cmdTest_Click();
    void cmdSave_Click();

private:
    struct Boxes {
        QLineEdit* TermId;
        QLineEdit* TermAway;
        QLineEdit* TermServer;
        QLineEdit* TermUserName;
        QLineEdit* TermPassword;
        QLineEdit* TermDatabase;
        QLineEdit* TermTimeOut;
    };
    QGroupBox* buildGroup(const QString& title, const QString& prefix, const QStringList& labels,
                          const TerminalSettings& values, Boxes& boxes, int leftTwips);
    TerminalSettings valuesOf(const Boxes& boxes, const TerminalSettings& held) const;

    const AppSettings& m_held;
    AppConnections& m_connections;
    Dialogs& m_dialogs;
    QString m_programFolder;
    std::function<void()> m_endProgram;
    Boxes m_vOffice{};
    Boxes m_escape{};
    Boxes m_lomag{};
};

} // namespace qnr
