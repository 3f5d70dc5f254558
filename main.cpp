#include "AppInfo.h"
#include "DocumentWindows.h"
#include "MainLibrary.h"
#include "QtServices.h"

#include <cstdio>
#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(qnr::applicationTitle());
    QApplication::setApplicationVersion(qnr::versionText());

    qnr::QtDialogs dialogs;
    qnr::DesktopShell shell;
    qnr::SystemClock clock;
    QTextStream errorOutput(stderr);

    qnr::MainLibrary library({dialogs, shell, clock}, qnr::programFolder(), errorOutput);
    library.setEndProgram([] { QApplication::exit(0); });
    library.setWindowFactory(&qnr::documents::createDocumentWindow);
    if (!library.Main())
        return 0;
    return app.exec();
}
