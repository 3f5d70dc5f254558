#include "MainLibrary.h"

#include "AppInfo.h"
#include "frmLogin.h"
#include "frmSqlConnection.h"

#include <QDir>
#include <QWidget>

namespace qnr {

MainLibrary::MainLibrary(Services services, QString programFolder, QTextStream& errorOutput)
    : m_services(services)
    , m_programFolder(std::move(programFolder))
    , m_errorOutput(errorOutput)
    , m_connections(std::make_unique<AppConnections>())
    , m_errorLog(std::make_unique<ErrorLog>(services.dialogs, services.clock,
                                            QDir(m_programFolder).filePath(QStringLiteral("ErrorLog.txt")),
                                            loginUserName(), computerName()))
{
}

AppContext& MainLibrary::context()
{
    if (!m_context)
        m_context.reset(new AppContext{m_services, *m_connections, *m_errorLog, m_state, m_settings.drives});
    return *m_context;
}

MainLibrary::~MainLibrary()
{
    // Windows may still refer to the connections.
    m_mainWindow.reset();
    m_firstWindow.reset();
}

bool MainLibrary::showLogin()
{
    auto login = std::make_unique<frmLogin>(
        m_connections->escape, m_services.dialogs,
        [this](const QString& userName) {
            WindowFactory windows;
            if (m_windows)
                windows = [this](const QString& name) { return m_windows(name, context()); };
            auto main =
                std::make_unique<MDIForm1>(m_settings, userName, *m_network, *m_keyboard, windows, m_endProgram);
            main->show();
            m_mainWindow = std::move(main);
        },
        m_endProgram);
    login->show();
    m_firstWindow = std::move(login);
    return true;
}

void MainLibrary::setFirstWindow(std::unique_ptr<QWidget> window)
{
    m_firstWindow = std::move(window);
}

bool MainLibrary::Main()
{
    const QString configPath = configPathIn(m_programFolder);
    if (!ensureConfigFile(configPath)) {
        m_services.dialogs.message(QStringLiteral("The configuration file %1 could not be written.").arg(configPath),
                                   applicationTitle(), MessageIcon::Critical);
        return false;
    }
    m_settings = readSettings(configPath);

    const OpenOutcome outcome = OpenConnections(m_settings, *m_connections, m_programFolder);
    switch (outcome.next) {
    case StartStep::ShowLogin:
        if (m_loginStarter)
            return m_loginStarter(*this);
        return showLogin();
    case StartStep::NoWindow:
        m_errorOutput << "QuinorERP: no database is enabled. Set Escape=1 in section [General] of " << configPath
                      << " (and Lomag=1 for the warehouse database), fill in section [rIduza Terminal Settings],"
                         " then start the program again.\n";
        if (outcome.error)
            m_errorOutput << "QuinorERP: the Visual Office connection was refused as well: "
                          << outcome.error->description << "\n";
        m_errorOutput.flush();
        return false;
    case StartStep::ShowConnectionSettings: {
        m_services.dialogs.message(connectionRefusedMessage(*outcome.error), applicationTitle(), MessageIcon::Critical);
        auto window = std::make_unique<frmSqlConnection>(m_settings, *m_connections, m_services.dialogs,
                                                         m_programFolder, m_endProgram);
        window->show();
        m_firstWindow = std::move(window);
        return true;
    }
    case StartStep::Fail:
        m_services.dialogs.message(outcome.error ? outcome.error->description : QStringLiteral("Start-up failed."),
                                   applicationTitle(), MessageIcon::Critical);
        return false;
    }
    return false;
}

} // namespace qnr
