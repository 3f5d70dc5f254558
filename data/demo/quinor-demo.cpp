// Builds the demo databases and drives: quinor-demo FOLDER DRIVES_FOLDER [--volume] [--no-files]
#include "DemoData.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: quinor-demo FOLDER DRIVES_FOLDER [--volume] [--no-files]\n";
        return 2;
    }
    qnr::demo::DemoOptions options = args.contains("--volume") ? qnr::demo::volumeOptions() : qnr::demo::DemoOptions();
    if (args.contains("--no-files"))
        options.files = false;
    if (auto error = qnr::demo::createDemoDatabases(args[1], args[2], options)) {
        err << "quinor-demo: " << *error << "\n";
        return 1;
    }
    return 0;
}
