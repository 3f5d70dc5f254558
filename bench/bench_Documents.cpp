// The documents browser filling its list with 100,000 documents of one date range,
// against the data layer merely reading the same rows.
#include "BenchSupport.h"

#include <AppContext.h>
#include <DemoData.h>
#include <frmMoves.h>
#include <MovesQueries.h>
#include <ReportList.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QRadioButton>

using namespace qnr;

namespace {

class SilentDialogs : public Dialogs {
public:
    Answer message(const QString&, const QString&, MessageIcon, MessageButtons, Answer a) override { return a; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override { return std::nullopt; }
};
class NoShell : public Shell {
public:
    bool open(const QString&) override { return false; }
    bool openFolder(const QString&) override { return false; }
};
class BenchClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 11), QTime(12, 0)); }
};

const QDate kFrom(2025, 1, 1);
const QDate kTo(2026, 12, 31);
AppConnections* g_connections = nullptr;
AppContext* g_context = nullptr;

void BM_LayerReadDocuments(benchmark::State& state)
{
    const QString statement = documents::movesStatement(documents::documentCodes(true, true, true), kFrom, kTo);
    for (auto _ : state) {
        const data::QueryResult result = g_connections->escape.select(statement);
        state.counters["rows"] = result.rows.size();
    }
}

void BM_FillDocumentsList(benchmark::State& state)
{
    documents::frmMoves window(*g_context);
    window.resize(1000, 700);
    window.show();
    window.findChild<QRadioButton*>("optAll")->setChecked(true);
    for (const char* box : {"chkSales", "chkDelivery", "chkPurchase"})
        window.findChild<QCheckBox*>(box)->setChecked(true);
    window.findChild<QDateEdit*>("DTFrom")->setDate(kFrom);
    window.findChild<QDateEdit*>("DTTo")->setDate(kTo);
    QApplication::processEvents();
    for (auto _ : state) {
        window.FillMoves();
        QApplication::processEvents();
        state.counters["rows"] = window.documentsList()->listModel()->rowCount();
    }
}

} // namespace

BENCHMARK(BM_LayerReadDocuments)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_FillDocumentsList)->Unit(benchmark::kMillisecond)->MinTime(3.0);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString folder = bench::benchFolder();
    demo::DemoOptions options = demo::volumeOptions(QDate(2026, 12, 11));
    options.documents = 143000; // about 100,000 of them invoices and delivery notes
    std::printf("generating the documents...\n");
    if (auto error = demo::createDemoDatabases(folder, QDir(folder).filePath("drives"), options)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    AppConnections connections;
    data::ConnectionOptions o;
    o.engine = data::Engine::Sqlite;
    o.database = QDir(folder).filePath(demo::kEscapeFile);
    connections.escape.open(o);
    SilentDialogs dialogs;
    NoShell shell;
    BenchClock clock;
    ErrorLog log(dialogs, clock, QDir(folder).filePath("ErrorLog.txt"), "bench", "bench");
    AppState state;
    PathMapper drives;
    AppContext context{{dialogs, shell, clock}, connections, log, state, drives};
    g_connections = &connections;
    g_context = &context;

    benchmark::Initialize(&argc, argv);
    bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.times;
    const bool ok = bench::checkRatio(
        "documents list fill / layer read (same rows)",
        t["BM_FillDocumentsList/min_time:3.000"] / t["BM_LayerReadDocuments/min_time:3.000"], 2.0, true);
    return ok ? 0 : 1;
}
