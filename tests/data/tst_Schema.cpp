#include "Connection.h"
#include "DemoData.h"
#include "Schema.h"
#include "TempFolder.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

using namespace qnr::data;

namespace {

using Columns = QMap<QString, QStringList>; // table -> columns

Columns parseSqlServerDdl(const QString& ddl)
{
    Columns tables;
    const QRegularExpression tableStart(R"(CREATE TABLE dbo\.\[(\w+)\] \(\n((?:    \[\w+\] [^\n]+\n)+)\);)");
    const QRegularExpression column(R"(\[(\w+)\])");
    for (auto match = tableStart.globalMatch(ddl); match.hasNext();) {
        const auto m = match.next();
        QStringList columns;
        for (const QString& line : m.captured(2).split('\n', Qt::SkipEmptyParts))
            columns << column.match(line).captured(1);
        tables.insert(m.captured(1), columns);
    }
    return tables;
}

Columns sqliteColumns(const QString& file, const QStringList& tables)
{
    Columns result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "schema");
        db.setDatabaseName(file);
        db.open();
        for (const QString& table : tables) {
            QSqlQuery query(db);
            query.exec(QStringLiteral("PRAGMA table_info([%1])").arg(table));
            QStringList columns;
            while (query.next())
                columns << query.value(1).toString();
            result.insert(table, columns);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("schema");
    return result;
}

} // namespace

class tst_Schema : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTableIsDescribed_data();
    void everyTableIsDescribed();
    void bothEnginesAgree_data();
    void bothEnginesAgree();
    void viewsGiveTheirColumns();
};

void tst_Schema::everyTableIsDescribed_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("objects");
    QTest::newRow("escape") << int(DatabaseKind::Escape)
                            << QStringList{"Users",
                                           "Logs",
                                           "Moves",
                                           "parast",
                                           "stkMoves",
                                           "Stock",
                                           "stkImages",
                                           "SendTypes",
                                           "LgAddr",
                                           "Cities",
                                           "Countries",
                                           "Currencies",
                                           "LgMoves",
                                           "vwLogMoves",
                                           "qnrQuotation",
                                           "qnrQuotationNumbers",
                                           "qnrQuotationSuppliers",
                                           "qnrFiles",
                                           "qnrDocumentDetails",
                                           "qnrINVDetails",
                                           "qnrCarrierTrackingURL",
                                           "qnrStockLocationsMain",
                                           "qnrStockLocations"};
    QTest::newRow("lomag") << int(DatabaseKind::Lomag) << QStringList{"qnrLgItems", "qnrListGINwithCustomers"};
}

void tst_Schema::everyTableIsDescribed()
{
    QFETCH(int, kind);
    QFETCH(QStringList, objects);
    const DatabaseSchema& schema = schemaOf(DatabaseKind(kind));
    QStringList names;
    for (const TableDef& t : schema.tables)
        names << t.name;
    for (const ViewDef& v : schema.views)
        names << v.name;
    for (const QString& object : objects)
        QVERIFY2(names.contains(object), qPrintable(object));
    if (DatabaseKind(kind) == DatabaseKind::Lomag)
        QVERIFY(sqlServerDdl(DatabaseKind::Lomag).contains("CREATE FUNCTION dbo.SearchCert(@GINID INT)"));
}

void tst_Schema::bothEnginesAgree_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::newRow("escape") << int(DatabaseKind::Escape) << QString(qnr::demo::kEscapeFile);
    QTest::newRow("lomag") << int(DatabaseKind::Lomag) << QString(qnr::demo::kLomagFile);
}

void tst_Schema::bothEnginesAgree()
{
    QFETCH(int, kind);
    QFETCH(QString, file);
    qnr::test::TempFolder folder;
    qnr::demo::DemoOptions options;
    options.today = QDate(2026, 12, 11);
    options.stockItems = 50;
    options.documents = 50;
    options.files = false;
    QVERIFY(!qnr::demo::createDemoDatabases(folder.path(), folder.file("drives"), options));

    const Columns server = parseSqlServerDdl(sqlServerDdl(DatabaseKind(kind)));
    QCOMPARE(server.size(), int(schemaOf(DatabaseKind(kind)).tables.size()));
    const Columns embedded = sqliteColumns(folder.file(file), server.keys());
    for (auto it = server.cbegin(); it != server.cend(); ++it) {
        QVERIFY2(!it.value().isEmpty(), qPrintable(it.key()));
        QCOMPARE(embedded.value(it.key()), it.value());
    }
}

void tst_Schema::viewsGiveTheirColumns()
{
    qnr::test::TempFolder folder;
    qnr::demo::DemoOptions options;
    options.today = QDate(2026, 12, 11);
    options.stockItems = 20;
    options.documents = 40;
    options.files = false;
    QVERIFY(!qnr::demo::createDemoDatabases(folder.path(), folder.file("drives"), options));
    for (auto [kind, file] : {std::pair{DatabaseKind::Escape, qnr::demo::kEscapeFile},
                              std::pair{DatabaseKind::Lomag, qnr::demo::kLomagFile}}) {
        Connection connection("views");
        ConnectionOptions o;
        o.engine = Engine::Sqlite;
        o.database = folder.file(file);
        QVERIFY(!connection.open(o));
        for (const ViewDef& view : schemaOf(kind).views) {
            const QueryResult result = connection.select("SELECT * FROM dbo." + view.name);
            QVERIFY2(result.ok(), qPrintable(result.error ? result.error->description : QString()));
            QCOMPARE(result.rows.columns(), view.columns);
            QVERIFY(sqlServerDdl(kind).contains("CREATE VIEW dbo.[" + view.name + "]"));
        }
    }
}

QTEST_MAIN(tst_Schema)
#include "tst_Schema.moc"
