// Filling the shared report list with 100,000 rows of 5 columns and showing it,
// against building the same rows in memory, and against a QTreeWidget filled item
// by item.
#include "BenchSupport.h"

#include <ReportList.h>

#include <QApplication>
#include <QFile>
#include <QTreeWidget>

using namespace qnr;

namespace {

constexpr int kRows = 100000;

// The texts as a window has them after reading its rows from the database.
const std::vector<QStringList>& sourceTexts()
{
    static const std::vector<QStringList> texts = [] {
        std::vector<QStringList> t;
        t.reserve(kRows);
        for (int i = 0; i < kRows; ++i)
            t.push_back({QStringLiteral("ST%1").arg(i, 6, 10, QLatin1Char('0')),
                         QStringLiteral("MS21042L%1-%2").arg(i % 97).arg(i), QStringLiteral("NUT, SELF-LOCKING"),
                         QString::number(i % 7), QStringLiteral("%1.00").arg(i % 5000)});
        return t;
    }();
    return texts;
}

std::vector<ReportRow> buildRows()
{
    const std::vector<QStringList>& texts = sourceTexts();
    std::vector<ReportRow> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        const QStringList& t = texts[size_t(i)];
        rows.push_back(ReportRow{{t[0], t[1], t[2], t[3], t[4]}, qlonglong(i), {}, {}});
    }
    return rows;
}

void BM_BuildRows(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<ReportRow> rows = buildRows();
        benchmark::DoNotOptimize(rows.data());
    }
}

// A window's list exists already; every load empties it and fills it again.
void BM_FillReportList(benchmark::State& state)
{
    ReportListView list;
    list.resize(900, 600);
    list.setColumns({{"Code", 0.15}, {"Part Number", 0.25}, {"Description", 0.35}, {"Kind", 0.1}, {"Stock", 0.15}});
    list.show();
    QApplication::processEvents();
    for (auto _ : state) {
        list.listModel()->clear();
        list.listModel()->appendRows(buildRows());
        QApplication::processEvents(); // lays out and paints the rows on view
        benchmark::DoNotOptimize(list.listModel()->rowCount());
    }
}

void BM_FillTreeWidget(benchmark::State& state)
{
    QTreeWidget tree;
    tree.resize(900, 600);
    tree.setColumnCount(5);
    tree.show();
    QApplication::processEvents();
    for (auto _ : state) {
        tree.clear();
        const std::vector<ReportRow> rows = buildRows();
        // As list views are filled one item at a time: add the item, then its cells.
        for (const ReportRow& row : rows) {
            auto* item = new QTreeWidgetItem(&tree);
            for (int c = 0; c < row.cells.size(); ++c)
                item->setText(c, row.cells[c]);
            item->setData(0, Qt::UserRole, row.tag);
        }
        QApplication::processEvents();
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

BENCHMARK(BM_BuildRows)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FillReportList)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FillTreeWidget)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    sourceTexts();
    // Memory held by a filled list, its texts included.
    const long before = residentKilobytes();
    long filled = 0;
    {
        ReportListView list;
        list.setColumns({{"Code", 0.15}, {"Part Number", 0.25}, {"Description", 0.35}, {"Kind", 0.1}, {"Stock", 0.15}});
        list.listModel()->appendRows(buildRows());
        filled = residentKilobytes() - before;
    }

    benchmark::Initialize(&argc, argv);
    bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.times;
    const double build = t["BM_BuildRows/min_time:2.000"];
    const double fill = t["BM_FillReportList/min_time:2.000"];
    const double tree = t["BM_FillTreeWidget/iterations:2"];
    bool ok = true;
    ok &= bench::checkRatio("report list fill and show / building the rows", fill / build, 1.5, true);
    ok &= bench::checkRatio("tree widget item by item / report list fill", tree / fill, 10.0, false);
    ok &= bench::checkRatio("memory of 100,000 rows (MB)", filled / 1024.0, 100.0, true);
    return ok ? 0 : 1;
}
