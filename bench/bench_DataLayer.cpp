// Reading 100,000 stock rows through the data layer against a bare read with the
// engine's own API (both keep every row in memory), and the cost of translating a
// statement.
#include "BenchSupport.h"

#include <Connection.h>
#include <DemoData.h>
#include <SqlTranslator.h>

#include <QDir>
#include <QGuiApplication>
#include <sqlite3.h>
#include <vector>

using namespace qnr;

namespace {

QString g_escapeFile;

void BM_BareStockRead(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(g_escapeFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM Stock", -1, &statement, nullptr);
        const int count = sqlite3_column_count(statement);
        std::vector<QVariantList> rows;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QVariantList values;
            values.reserve(count);
            for (int i = 0; i < count; ++i) {
                switch (sqlite3_column_type(statement, i)) {
                case SQLITE_INTEGER:
                    values.append(QVariant(qlonglong(sqlite3_column_int64(statement, i))));
                    break;
                case SQLITE_FLOAT:
                    values.append(QVariant(sqlite3_column_double(statement, i)));
                    break;
                case SQLITE_TEXT:
                    values.append(
                        QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)),
                                                   sqlite3_column_bytes(statement, i))));
                    break;
                default:
                    values.append(QVariant());
                }
            }
            rows.push_back(std::move(values));
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(rows.data());
        state.counters["rows"] = double(rows.size());
    }
    sqlite3_close(db);
}

void BM_LayerStockRead(benchmark::State& state)
{
    data::Connection connection(QStringLiteral("bench"));
    data::ConnectionOptions options;
    options.engine = data::Engine::Sqlite;
    options.database = g_escapeFile;
    connection.open(options);
    for (auto _ : state) {
        const data::QueryResult result = connection.select(QStringLiteral("SELECT * FROM dbo.Stock"));
        benchmark::DoNotOptimize(result.rows.size());
        state.counters["rows"] = double(result.rows.size());
    }
}

void BM_TranslateShort(benchmark::State& state)
{
    const QString sql = QStringLiteral("Select top (150) * from stock order by NEWID()");
    for (auto _ : state)
        benchmark::DoNotOptimize(data::translateToSqlite(sql));
}

void BM_TranslateLong(benchmark::State& state)
{
    QString sql = QStringLiteral(
        "SELECT dbo.vwLogMoves.LgMvDate,dbo.vwLogMoves.ParastCod,ISNULL((SELECT SUM(ISNULL(LgMvCredit, 0)) "
        "FROM dbo.LgMoves AS LgMoves WHERE (LogId = dbo.vwLogMoves.LogId) AND (ISNULL(LgMvCanceled, 0) = 0) "
        "AND (LgMvDate < '2017-10-01')), 0) AS PrevCredits ");
    sql = sql.repeated(6) +
          QStringLiteral("FROM dbo.vwLogMoves INNER JOIN dbo.Moves ON dbo.vwLogMoves.MvId = dbo.Moves.MvId "
                         "WHERE (dbo.vwLogMoves.LogId = '17051737434006') ORDER BY LogId,LgMvDate");
    state.counters["chars"] = double(sql.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(data::translateToSqlite(sql));
}

} // namespace

BENCHMARK(BM_BareStockRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LayerStockRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TranslateShort)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslateLong)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = bench::benchFolder();
    std::printf("generating 100,000 stock items and documents...\n");
    if (auto error = demo::createDemoDatabases(folder, QDir(folder).filePath("drives"), demo::volumeOptions())) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    g_escapeFile = QDir(folder).filePath(demo::kEscapeFile);

    benchmark::Initialize(&argc, argv);
    bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool ok = true;
    auto& t = reporter.times;
    if (t.count("BM_BareStockRead/min_time:2.000") && t.count("BM_LayerStockRead/min_time:2.000"))
        ok &=
            bench::checkRatio("layer read / bare engine read (100,000 stock rows)",
                              t["BM_LayerStockRead/min_time:2.000"] / t["BM_BareStockRead/min_time:2.000"], 1.3, true);
    return ok ? 0 : 1;
}
