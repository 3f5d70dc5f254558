#pragma once

#include "AppContext.h"
#include "Connections.h"
#include "MDIForm1.h"
#include "Services.h"
#include "Settings.h"
#include "SystemFacts.h"

#include <functional>
#include <memory>
#include <QTextStream>

class QWidget;

namespace qnr {

// Start-up: Config.ini (written when missing), the settings, the connections, the
// first window. Owns what lives for the whole run.
class MainLibrary {
public:
    // Shows the login window on open connections; returns false when it showed none.
    using LoginStarter = std::function<bool(MainLibrary&)>;
    // Makes the working window of a ribbon button from the program's context.
    using ContextWindowFactory = std::function<QWidget*(const QString& windowName, AppContext& context)>;

    MainLibrary(Services services, QString programFolder, QTextStream& errorOutput);
    ~MainLibrary();

    void setLoginStarter(LoginStarter starter) { m_loginStarter = std::move(starter); }
    void setNetworkFacts(NetworkFacts* facts) { m_network = facts; }
    void setKeyboardIndicators(const KeyboardIndicators* keyboard) { m_keyboard = keyboard; }
    void setWindowFactory(ContextWindowFactory windows) { m_windows = std::move(windows); }
    AppContext& context();
    ErrorLog& errorLog() { return *m_errorLog; }
    AppState& state() { return m_state; }

    // The login window; a correct password opens the main window.
    bool showLogin();
    QWidget* mainWindow() const { return m_mainWindow.get(); }
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    // True when a window was shown and the event loop should run.
    bool Main();

    const AppSettings& settings() const { return m_settings; }
    AppConnections& connections() { return *m_connections; }
    Services& services() { return m_services; }
    const QString& programFolder() const { return m_programFolder; }
    QWidget* firstWindow() const { return m_firstWindow.get(); }
    void setFirstWindow(std::unique_ptr<QWidget> window);

private:
    Services m_services;
    QString m_programFolder;
    QTextStream& m_errorOutput;
    AppSettings m_settings;
    std::unique_ptr<AppConnections> m_connections;
    std::unique_ptr<QWidget> m_firstWindow;
    std::unique_ptr<QWidget> m_mainWindow;
    SystemNetworkFacts m_systemNetwork;
    SystemKeyboardIndicators m_systemKeyboard;
    NetworkFacts* m_network = &m_systemNetwork;
    const KeyboardIndicators* m_keyboard = &m_systemKeyboard;
    ContextWindowFactory m_windows;
    std::unique_ptr<ErrorLog> m_errorLog;
    AppState m_state;
    std::unique_ptr<AppContext> m_context;
    LoginStarter m_loginStarter;
    std::function<void()> m_endProgram;
};

} // namespace qnr
