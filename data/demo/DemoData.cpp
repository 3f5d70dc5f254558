#include "DemoData.h"

#include <Schema.h>
#include <SqliteExtensions.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace qnr::demo {

namespace {

using data::DatabaseKind;

const QStringList kPartPrefixes = {"MS21042L", "AN960C",   "NAS1149F", "MS24665-", "AN3-",    "NAS6204-",
                                   "BACB30LH", "MS20995C", "AN5-",     "NAS1611-", "CR3213-", "MS29513-",
                                   "D5330-",   "S9413-",   "AA48110-", "PN2311-",  "BACN10JC"};
const QStringList kDescriptions = {
    "NUT, SELF-LOCKING",   "WASHER, FLAT",         "BOLT, MACHINE",         "PIN, COTTER",   "O-RING",
    "RIVET, BLIND",        "SEAL, HYDRAULIC",      "FILTER ELEMENT",        "BEARING, BALL", "LAMP, INDICATOR",
    "GASKET, ENGINE",      "WIRE, SAFETY LOCKING", "CLAMP, LOOP CUSHIONED", "VALVE, CHECK",  "SWITCH, PRESSURE",
    "SCREW, CAP HEX HEAD", "BRUSH, STARTER MOTOR"};
const QStringList kClientNames = {
    "AEGEAN TECHNICS",    "SKYLINE MRO",           "BLUE SKY AVIATION",  "ORION AIR SERVICES",
    "BALKAN AIRWORKS",    "HELLAS JET SUPPORT",    "DANUBE AERO PARTS",  "ΑΕΡΟΤΕΧΝΙΚΗ ΑΕ",
    "ΟΛΥΜΠΟΣ ΑΕΡΟΠΟΡΙΚΗ", "NORTHWIND HELICOPTERS", "SOFIA FLIGHT TECH",  "ADRIATIC AVIONICS",
    "CARPATHIAN AIR",     "THRACE AIR CARGO",      "MERIDIAN AEROSPACE", "O'BRIEN AVIATION"};
const QStringList kSupplierNames = {"AEROPARTS SUPPLY INC",    "GLOBAL AERO COMPONENTS", "PRECISION FASTENERS LTD",
                                    "JETSTOCK DISTRIBUTION",   "AVIALL STYLE TRADING",   "EUROAVIA LOGISTICS",
                                    "ΑΕΡΟΠΟΡΙΚΑ ΑΝΤΑΛΛΑΚΤΙΚΑ", "SKYHAWK SPARES"};
const QStringList kCountries = {"Bulgaria", "Greece", "Germany", "United Kingdom", "United States", "Romania"};
const QStringList kCities = {"Sofia", "Athens", "Hamburg", "London", "Miami", "Bucharest", "Plovdiv", "Thessaloniki"};
const QStringList kCarriers = {"DHL Express", "FedEx", "UPS", "TNT", "Client pickup", "Speedy", "Own transport"};

struct Currency {
    int id;
    const char* code;
    double rate; // to leva
};
const Currency kCurrencies[] = {{1, "BGN", 1.0}, {2, "EUR", 1.95583}, {3, "USD", 1.80}, {4, "GBP", 2.28}};

struct Kind {
    const char* code;
    const char* title;
    const char* series;
};
const Kind kDocumentKinds[] = {
    {"CINV", "Sales Invoice", "A"},     {"SINV", "Purchase Invoice", "P"}, {"CDN", "Delivery Note", "D"},
    {"ΔΑΠΡΟ", "Δελτίο Αποστολής", "Δ"}, {"CQT", "Client Quotation", "Q"},  {"SQT", "Supplier Quotation", "S"},
    {"WTR", "Stock Transfer", "W"},     {"WRC", "Warehouse Receipt", "R"}, {"WIS", "Warehouse Issue", "I"},
};

const char* const kStatuses[] = {
    "0.New Quotation",         "1.Request from Supplier",    "2.Send offer to Client",
    "3.Win offer from Client", "4.Order with Pending Items", "5.Order with Pending Request",
    "6.Under Processing",      "7.Order Executed",           "8.Order Shipped",
    "9.Order Completed",       "10.WE DO NOT WIN THE ORDER"};

class Writer {
public:
    Writer(const QString& path, const QString& connectionName)
        : m_name(connectionName)
    {
        QFile::remove(path);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open()) {
            m_error = db.lastError().text();
            return;
        }
        if (auto error = data::installSqliteExtensions(db))
            m_error = *error;
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=OFF"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
        db.transaction();
    }
    ~Writer()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen()) {
                db.commit();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(m_name);
    }

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    void ddl(const QString& script)
    {
        for (const QString& statement : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery query(QSqlDatabase::database(m_name, false));
            if (!query.exec(statement) && m_error.isEmpty())
                m_error = query.lastError().text() + QStringLiteral(" in ") + statement;
        }
    }

    void insert(const QString& table, const QStringList& columns, const QVariantList& values)
    {
        QSqlQuery& query = prepared(table, columns);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec() && m_error.isEmpty())
            m_error = query.lastError().text() + QStringLiteral(" in ") + table;
    }

private:
    QSqlQuery& prepared(const QString& table, const QStringList& columns)
    {
        const QString key = table + QLatin1Char('|') + columns.join(QLatin1Char(','));
        auto it = m_statements.find(key);
        if (it == m_statements.end()) {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            it = m_statements.emplace(key, QSqlQuery(QSqlDatabase::database(m_name, false))).first;
            it->second.prepare(QStringLiteral("INSERT INTO [%1] ([%2]) VALUES (%3)")
                                   .arg(table, columns.join(QStringLiteral("], [")), marks.join(QLatin1Char(','))));
        }
        return it->second;
    }

    QString m_name;
    QString m_error;
    std::map<QString, QSqlQuery> m_statements;
};

QString dateText(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString key18(const QDateTime& moment, int serial)
{
    // Clock keys, made unique for the demo by the trailing serial.
    return moment.toString(QStringLiteral("yyyyMMddHHmmss")) +
           QStringLiteral("%1").arg(serial % 10000, 4, 10, QLatin1Char('0'));
}

struct Counterparty {
    qint64 id;
    QString name;
};

void writeCertificate(const QString& path, const QString& certificate, const QString& part)
{
    QPdfWriter writer(path);
    writer.setTitle(certificate);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
    painter.drawText(QRect(40, 40, 520, 40), Qt::AlignLeft, QStringLiteral("AUTHORIZED RELEASE CERTIFICATE"));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    painter.drawText(QRect(40, 100, 520, 30), Qt::AlignLeft, QStringLiteral("Form Tracking Number: ") + certificate);
    painter.drawText(QRect(40, 130, 520, 30), Qt::AlignLeft, QStringLiteral("Part Number: ") + part);
    painter.drawText(QRect(40, 160, 520, 30), Qt::AlignLeft, QStringLiteral("Status/Work: NEW"));
    painter.drawRect(QRect(30, 30, 540, 760));
}

void writePicture(const QString& path, const QString& part, int hue)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(hue % 360, 40, 235));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(hue % 360, 120, 170));
    painter.setPen(QPen(QColor(60, 60, 60), 3));
    painter.drawEllipse(QPoint(160, 105), 70, 70);
    painter.setBrush(QColor(240, 240, 240));
    painter.drawEllipse(QPoint(160, 105), 28, 28);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
    painter.drawText(QRect(0, 190, 320, 40), Qt::AlignCenter, part);
    painter.end();
    image.save(path, "JPG", 85);
}

} // namespace

DemoOptions volumeOptions(const QDate& today)
{
    DemoOptions options;
    options.today = today;
    options.stockItems = 100000;
    options.documents = 100000;
    options.clients = 400;
    options.suppliers = 150;
    options.files = false;
    return options;
}

std::optional<QString> createDemoDatabases(const QString& folder, const QString& drivesFolder,
                                           const DemoOptions& options)
{
    QRandomGenerator random(options.seed);
    auto pick = [&](const QStringList& list) { return list[int(random.bounded(quint32(list.size())))]; };
    auto between = [&](int low, int high) { return low + int(random.bounded(quint32(high - low + 1))); };

    QDir().mkpath(folder);
    const QString certificateFolder = QDir(drivesFolder).filePath(QStringLiteral("W/Parts Cerificates/Current"));
    const QString ginClientsFolder = QDir(drivesFolder).filePath(QStringLiteral("W/Warehouse GIN Clients"));
    const QString pictureFolder = QDir(drivesFolder).filePath(QStringLiteral("Z/Warehouse/Product Images"));
    if (options.files) {
        QDir().mkpath(certificateFolder);
        QDir().mkpath(pictureFolder);
        QDir().mkpath(QDir(ginClientsFolder).filePath(options.today.toString(QStringLiteral("yyyy"))));
        QDir().mkpath(QDir(drivesFolder).filePath(QStringLiteral("C/tmp")));
    }

    {
        Writer visualOffice(QDir(folder).filePath(kVisualOfficeFile), QStringLiteral("demo-voffice"));
        if (!visualOffice.ok())
            return visualOffice.error();
        // The Visual Office database carries no statements; one table keeps the file a database.
        visualOffice.ddl(QStringLiteral("CREATE TABLE qnrDemoInfo (Note TEXT)"));
        visualOffice.insert("qnrDemoInfo", {"Note"}, {QStringLiteral("QuinorERP demo")});
    }

    std::vector<QString> partNumbers;
    std::vector<Counterparty> clients;
    std::vector<Counterparty> suppliers;
    {
        Writer escape(QDir(folder).filePath(kEscapeFile), QStringLiteral("demo-escape"));
        if (!escape.ok())
            return escape.error();
        escape.ddl(data::sqliteDdl(DatabaseKind::Escape));
        if (!escape.ok())
            return escape.error();

        const QStringList userColumns = {"Username", "UserPassword", "UserLevel"};
        escape.insert("Users", userColumns, {QStringLiteral("Tomrik   "), QString(kDemoPassword), 1});
        escape.insert("Users", userColumns, {QStringLiteral("Maria"), QStringLiteral("aegean"), 2});
        escape.insert("Users", userColumns, {QStringLiteral("O'Brien"), QStringLiteral("shamrock"), 2});
        escape.insert("Users", userColumns, {QStringLiteral("Γιώργος"), QStringLiteral("1234"), 3});
        escape.insert("Users", userColumns, {QStringLiteral("Quinor"), QStringLiteral("Kvorn"), 1});

        const QStringList logColumns = {"LogId", "LogEpon", "LogAFM", "LogTel1", "logtype", "logactive"};
        qint64 nextLogId = 15072885938001;
        for (int i = 0; i < options.clients + options.suppliers; ++i) {
            const bool client = i < options.clients;
            const QStringList& names = client ? kClientNames : kSupplierNames;
            QString name = names[i % names.size()];
            if (i >= names.size())
                name += QStringLiteral(" %1").arg(i / names.size() + 1);
            const qint64 id = nextLogId;
            nextLogId += 1000 + between(1, 900);
            escape.insert("Logs", logColumns,
                          {id, name, QStringLiteral("BG%1").arg(100000000 + between(0, 899999999)),
                           QStringLiteral("+359 2 %1").arg(between(1000000, 9999999)), client ? 1 : 2,
                           (i % 11 == 10) ? 0 : 1});
            (client ? clients : suppliers).push_back({id, name});
        }

        for (const Currency& c : kCurrencies)
            escape.insert("Currencies", {"CurrId", "CurrCode"}, {c.id, QString::fromLatin1(c.code)});
        for (int i = 0; i < kCountries.size(); ++i)
            escape.insert("Countries", {"CountryId", "CountryDescr"}, {i + 1, kCountries[i]});
        for (int i = 0; i < kCities.size(); ++i)
            escape.insert("Cities", {"CityId", "CityDescr"}, {i + 1, kCities[i]});
        for (int i = 0; i < kCarriers.size(); ++i)
            escape.insert("SendTypes", {"SendTypeId", "SendTypeDescr"}, {i + 1, kCarriers[i]});

        const QStringList parastColumns = {"ParastType", "ParastLevel", "ParastTitle", "ParastCod"};
        for (const Kind& kind : kDocumentKinds) {
            const QString code = QString::fromUtf8(kind.code);
            const bool warehouse = code.startsWith(QLatin1Char('W'));
            escape.insert(
                "parast", parastColumns,
                {1, warehouse ? 3 : 2, QString::fromUtf8(kind.title), warehouse ? QStringLiteral(" ") + code : code});
        }

        const QStringList addressColumns = {"LgAddrId",     "LogId",      "LgAddrName",        "LgAddrNumber",
                                            "LgAddrStreet", "LgAddrArea", "LgAddrZip",         "LgAddrTel1",
                                            "CityId",       "CountryId",  "qnrLgAdrrShortCode"};
        const QStringList warehouses = {"Sofia Airport Warehouse", "Plovdiv Bonded Store", "Athens Hangar 3"};
        int addressId = 1;
        for (int i = 0; i < warehouses.size(); ++i) {
            escape.insert("LgAddr", addressColumns,
                          {addressId++, qint64(99999999999999), warehouses[i], QString::number(10 + i),
                           QStringLiteral("Airport Road"), QStringLiteral("Cargo Area"), QStringLiteral("1540"),
                           QStringLiteral("+359 2 9370000"), i == 2 ? 2 : 1 + i * 6, i == 2 ? 2 : 1,
                           QStringLiteral("WH%1").arg(i + 1)});
        }
        for (const Counterparty& c : clients) {
            const int extra = between(1, 2);
            for (int k = 0; k < extra; ++k) {
                const int city = between(1, int(kCities.size()));
                escape.insert("LgAddr", addressColumns,
                              {addressId++, c.id, k == 0 ? QStringLiteral("Head office") : QStringLiteral("Hangar"),
                               QString::number(between(1, 120)), QStringLiteral("Industrial Street"),
                               QStringLiteral("Zone %1").arg(between(1, 9)), QString::number(between(1000, 9999)),
                               QStringLiteral("+30 210 %1").arg(between(1000000, 9999999)), city,
                               (city - 1) % int(kCountries.size()) + 1, QVariant()});
            }
        }

        const QStringList locationColumns = {"stkLocationID", "stkWHCodeID", "stkSubLocationID", "stkLocationName"};
        int locationId = 1;
        for (int wh = 1; wh <= warehouses.size(); ++wh) {
            for (int aisle = 1; aisle <= 3; ++aisle) {
                const int aisleId = locationId++;
                escape.insert("qnrStockLocations", locationColumns,
                              {aisleId, wh, 0, QStringLiteral("Aisle %1").arg(aisle)});
                for (int shelf = 1; shelf <= 4; ++shelf) {
                    const int shelfId = locationId++;
                    escape.insert("qnrStockLocations", locationColumns,
                                  {shelfId, wh, aisleId, QStringLiteral("Aisle %1 Shelf %2").arg(aisle).arg(shelf)});
                    if (shelf <= 2) {
                        for (int bin = 1; bin <= 3; ++bin)
                            escape.insert("qnrStockLocations", locationColumns,
                                          {locationId++, wh, shelfId,
                                           QStringLiteral("Bin %1-%2-%3").arg(aisle).arg(shelf).arg(bin)});
                    }
                }
            }
        }
        const QStringList mainColumns = {"StkMainLocationNodeKey", "StkLocationId", "StkMainLocationDescription",
                                         "StkMainLocationSortCode", "StkMainLocationBarcode"};
        for (int i = 1; i <= 4; ++i)
            escape.insert("qnrStockLocationsMain", mainColumns,
                          {i <= 2 ? 1 : 2, QString::number(i <= 2 ? 1 : 2), QStringLiteral("Main rack %1").arg(i),
                           QStringLiteral("R%1").arg(i), QStringLiteral("QNR-R%1").arg(i, 4, 10, QLatin1Char('0'))});

        // Stock items.
        const QStringList stockColumns = {
            "Id",       "StkId",          "StkCod",       "StkFactoryCod", "StkKind",  "StkStock",  "StkActive",
            "stkPLU",   "stkComposition", "stkOrigin",    "stkPlace01",    "StkLine1", "StkLine2",  "StkLine3",
            "StkLine4", "stkWeight",      "stkNetWeight", "stkWidth",      "stkDepth", "stkHeight", "qnrHasDetails"};
        partNumbers.reserve(size_t(options.stockItems));
        for (int i = 0; i < options.stockItems; ++i) {
            const QString part = i == 0 ? QStringLiteral("AA48110-2")
                                        : pick(kPartPrefixes) + QString::number(between(1, 99)) +
                                              (i % 3 == 0 ? QStringLiteral("P") : QString()) +
                                              (i >= 17 ? QStringLiteral("-%1").arg(i) : QString());
            partNumbers.push_back(part);
            const int kind = i % int(kDescriptions.size());
            const double stock = (i % 7 == 0) ? 0.0 : between(1, 5000) / 4.0;
            escape.insert("Stock", stockColumns,
                          {i + 1,
                           i + 1,
                           QStringLiteral("ST%1").arg(i + 1, 6, 10, QLatin1Char('0')),
                           part,
                           kDescriptions[kind],
                           stock,
                           (i % 19 == 18) ? 0 : 1,
                           QStringLiteral("8803300000"),
                           QStringLiteral("9A991"),
                           pick(kCountries),
                           QStringLiteral("A%1-S%2").arg(between(1, 3)).arg(between(1, 4)),
                           QStringLiteral("Condition: NE"),
                           QStringLiteral("Shelf life: n/a"),
                           QString(),
                           QString(),
                           between(1, 900) / 100.0,
                           between(1, 800) / 100.0,
                           between(10, 400) / 10.0,
                           between(10, 400) / 10.0,
                           between(5, 200) / 10.0,
                           (i % 4 == 0) ? QVariant(1) : (i % 4 == 1 ? QVariant(0) : QVariant())});
            if (options.files && i < 40 && i % 2 == 0) {
                const QString file = QDir(pictureFolder).filePath(part + QStringLiteral(".jpg"));
                writePicture(file, part, i * 37);
                escape.insert(
                    "stkImages", {"stkId", "StkImgFilename"},
                    {i + 1, QStringLiteral("Z:\\Warehouse\\Product Images\\") + part + QStringLiteral(".jpg")});
            }
        }

        // Documents from the start of last year to the end of this month, with their lines.
        const QStringList moveColumns = {"MvId",          "LogId",         "MvDate",    "ParastCod",   "MvSeira",
                                         "MvArpar",       "MvParastTitle", "MvAitiol",  "MvEpon",      "MvTotal",
                                         "CurrExcRate",   "CurrId",        "CurrExcId", "CurrExcDate", "qnrCMR",
                                         "qnrDocDetails", "qnrQuote"};
        const QStringList lineColumns = {"Id",       "MvId",           "StkId",       "IoLine",   "IoStk1",
                                         "IoQuant1", "IoNetUnitPrice", "IoNetAmount", "IoDTotal", "logid"};
        const QDate first(options.today.year() - 1, 1, 1);
        const QDate last(options.today.year(), options.today.month(), options.today.daysInMonth());
        const qint64 span = first.daysTo(last);
        const QStringList ledgerColumns = {"MvId",       "LogId",        "LgMvDate",    "ParastCod",
                                           "LgMvAitiol", "LgMvSeira",    "LgMvNumber",  "LgMvCredit",
                                           "LgMvDebit",  "LgMvUpdtFrom", "LgMvCanceled"};
        qint64 nextMvId = 19031863733006;
        qint64 lineId = 1;
        std::map<QString, int> numbers;
        const int kindCount = int(std::size(kDocumentKinds));
        for (int i = 0; i < options.documents; ++i) {
            // Most documents are invoices and delivery notes; this month gets a share of its own.
            const int slot = i % 10;
            const int kindIndex = slot < 3   ? 0
                                  : slot < 5 ? 1
                                  : slot < 7 ? 2 + (i / 10) % 2
                                             : 4 + (i / 10) % (kindCount - 4);
            const Kind& kind = kDocumentKinds[kindIndex];
            const QString code = QString::fromUtf8(kind.code);
            const bool purchase = code == QLatin1String("SINV") || code == QLatin1String("SQT");
            const Counterparty& party =
                purchase ? suppliers[size_t(i) % suppliers.size()] : clients[size_t(i * 7) % clients.size()];
            const QDate day = (i % 5 == 0) ? QDate(options.today.year(), options.today.month(),
                                                   between(1, options.today.daysInMonth()))
                                           : first.addDays(between(0, int(span)));
            const QDateTime when(day,
                                 (i % 3 == 0) ? QTime(0, 0) : QTime(between(7, 19), between(0, 59), between(0, 59)));
            const Currency& currency = kCurrencies[i % 4 == 0 ? 2 : (i % 4 == 1 ? 0 : 1)];
            const qint64 mvId = nextMvId;
            nextMvId += 100 + between(1, 99);
            const int number = ++numbers[code];
            const int lines = between(1, 4);
            double total = 0;
            for (int l = 1; l <= lines; ++l) {
                const int stkId = between(1, options.stockItems);
                const double quantity = between(1, 40);
                const double price = between(50, 250000) / 100.0;
                total += quantity * price;
                escape.insert("stkMoves", lineColumns,
                              {lineId++, mvId, stkId, l, kDescriptions[(stkId - 1) % kDescriptions.size()], quantity,
                               price, quantity * price, quantity * price * 1.2, party.id});
            }
            const bool details = i % 3 != 0;
            escape.insert("Moves", moveColumns,
                          {mvId, party.id, dateText(when), code, QString::fromUtf8(kind.series),
                           QString::number(number), QString::fromUtf8(kind.title),
                           purchase ? QStringLiteral("Purchase of parts") : QStringLiteral("Sale of parts"), party.name,
                           (i % 97 == 5) ? QVariant() : QVariant(total),
                           (i % 89 == 7) ? QVariant() : QVariant(currency.rate), currency.id, currency.id,
                           dateText(when), (i % 4 == 0) ? QVariant() : QVariant(i % 4 == 1 ? 1 : 0),
                           details ? QVariant(1) : QVariant(),
                           (code == QLatin1String("CQT") && i % 2 == 0) ? QVariant(1) : QVariant()});
            if (code == QLatin1String("CINV") || code == QLatin1String("SINV")) {
                const bool sale = code == QLatin1String("CINV");
                escape.insert("LgMoves", ledgerColumns,
                              {mvId, party.id, dateText(when), code,
                               sale ? QStringLiteral("Sales invoice") : QStringLiteral("Purchase invoice"),
                               QString::fromUtf8(kind.series), QString::number(number), sale ? 0.0 : total,
                               sale ? total : 0.0, 1, (i % 50 == 3) ? QVariant(1) : QVariant()});
            }
            if (details) {
                escape.insert(
                    "qnrDocumentDetails",
                    {"detailsId", "MvId", "detailsDate", "SuppSO", "SuppQT", "QuinorQT", "InvoiceNumber", "MainCarrier",
                     "MainCarrierAWB", "QuoteDescrNotes"},
                    {key18(when, i), mvId, day.toString(QStringLiteral("yyyy-MM-dd")),
                     QStringLiteral("SO-%1").arg(1000 + i), QStringLiteral("SQ-%1").arg(500 + i),
                     QStringLiteral("%1").arg(120 + i), QString::number(number),
                     QStringLiteral("%1 (%2)").arg(kCarriers[i % kCarriers.size()]).arg(i % kCarriers.size() + 1),
                     QString::number(1000000000LL + i * 7919), QStringLiteral("Deliver to hangar gate")});
            }
        }
        // Payments and opening balances over several years for the account balance.
        for (size_t c = 0; c < clients.size() && c < 30; ++c) {
            for (int year = options.today.year() - 8; year <= options.today.year(); ++year) {
                for (int k = 0; k < 3; ++k) {
                    const QDateTime when(QDate(year, between(1, 12), between(1, 28)), QTime(12, 0));
                    escape.insert("LgMoves", ledgerColumns,
                                  {QVariant(), clients[c].id, dateText(when), QStringLiteral("PAY"),
                                   QStringLiteral("Payment received"), QStringLiteral("P"), QString::number(k + 1),
                                   between(100, 90000) / 10.0, 0.0, 1, QVariant(0)});
                }
            }
        }

        // Quotations in all eleven statuses.
        const QStringList quoteColumns = {"QuoteId",        "QuoteDate",     "QuoteSynalType", "QuoteNumber",
                                          "QuoteSinquence", "QuoteSynalto",  "QuoteSynalFrom", "QuoteDescr",
                                          "QuoteDetails",   "QuoteComments", "quotestatus",    "QuoteStatusId"};
        int clientNumber = 0;
        int supplierNumber = 0;
        for (int i = 0; i < 44; ++i) {
            const int status = i % 11;
            const bool client = i % 3 != 0;
            const Counterparty& party =
                client ? clients[size_t(i) % clients.size()] : suppliers[size_t(i) % suppliers.size()];
            const QDateTime when(options.today.addDays(-3 * (44 - i)), QTime(9, 0).addSecs(i * 61));
            const QString quoteId = key18(when, i);
            escape.insert(
                "qnrQuotation", quoteColumns,
                {quoteId, when.date().toString(QStringLiteral("yyyy-MM-dd")), client ? 1 : 0,
                 QString::number(client ? ++clientNumber : ++supplierNumber),
                 QStringLiteral("/%1").arg(when.date().year() % 100),
                 QStringLiteral("%1 (%2)").arg(party.name).arg(party.id), QString(),
                 QStringLiteral("%1 x %2").arg(between(1, 20)).arg(partNumbers[size_t(i) % partNumbers.size()]),
                 QStringLiteral("Need CoC and EASA Form 1.\nDelivery to Sofia."), QString(),
                 QString::fromLatin1(kStatuses[status]), status});
            if (i % 2 == 0) {
                escape.insert(
                    "qnrQuotationSuppliers", {"SupplierId", "QuoteId", "LogId", "SupplierName", "QuotationNumber"},
                    {key18(when.addSecs(5), i), quoteId, QString::number(suppliers[size_t(i) % suppliers.size()].id),
                     suppliers[size_t(i) % suppliers.size()].name,
                     QStringLiteral("%1-3/%2").arg(40 + i).arg(when.date().year() % 100)});
            }
        }
        escape.insert("qnrQuotationNumbers", {"Id", "ClientQNum", "ClientQSymbol", "SupplierQNum", "SupplierQSymbol"},
                      {1, clientNumber, QStringLiteral("QC"), supplierNumber, QStringLiteral("QS")});
        for (int i = 0; i < 3; ++i)
            escape.insert(
                "qnrCarrierTrackingURL", {"fwTrackID", "fwCarrierName", "fwCarrierTrackURL"},
                {key18(QDateTime(options.today.addDays(-30 + i), QTime(10, 0)), i), kCarriers[i],
                 QStringList{"https://www.dhl.com/en/express/tracking.html?AWB=",
                             "https://www.fedex.com/fedextrack/?trknbr=", "https://www.ups.com/track?tracknum="}[i]});
        if (!escape.ok())
            return escape.error();
    }

    {
        Writer lomag(QDir(folder).filePath(kLomagFile), QStringLiteral("demo-lomag"));
        if (!lomag.ok())
            return lomag.error();
        lomag.ddl(data::sqliteDdl(DatabaseKind::Lomag));
        const QStringList itemColumns = {"LgItemId",     "LgPartNum",   "LgWarehouse", "LgDescr", "LgEscCode",
                                         "LgAltPartNum", "LgBGLang",    "LgUM",        "LgVatID", "LgOrigin",
                                         "LgTarrif",     "LgCondition", "LgECCN"};
        const int items = std::min(options.stockItems, 3000);
        for (int i = 0; i < items; ++i) {
            const QString part = partNumbers[size_t(i)];
            lomag.insert("qnrLgItems", itemColumns,
                         {i + 1, part, (i % 3 == 0) ? 10 : 20, kDescriptions[i % kDescriptions.size()],
                          QStringLiteral("ST%1").arg(i + 1, 6, 10, QLatin1Char('0')), QString(),
                          QStringLiteral("Резервна част"), QStringLiteral("EA"), QStringLiteral("20"), pick(kCountries),
                          QStringLiteral("8803300000"), QStringLiteral("NE"), QStringLiteral("9A991")});
        }
        // Goods-in notes with their certificates; a few certificate files are missing on purpose.
        const QStringList lineColumns = {"GINID",          "Nr",          "Part_Number",        "Nazwa",
                                         "Ilosc",          "Numer_Serii", "Certificate_Number", "Batch_Number",
                                         "Sales_Order_Num"};
        int certificates = 0;
        for (int g = 1; g <= 24; ++g) {
            const QDate day = options.today.addDays(-7 * (24 - g));
            const int ginId = 15530 + g;
            const Counterparty& client = clients[size_t(g) % clients.size()];
            lomag.insert("qnrGoodsInNotes", {"GINID", "GINDate", "GINNumber", "ClientName"},
                         {ginId, day.toString(QStringLiteral("yyyy-MM-dd")),
                          QStringLiteral("GIN%1/%2 - VUZA").arg(g).arg(day.year() % 100, 2, 10, QLatin1Char('0')),
                          client.name});
            const int lines = between(2, 6);
            for (int n = 1; n <= lines; ++n) {
                const QString part = partNumbers[size_t(between(0, items - 1))];
                const QString certificate = QStringLiteral("CERT-%1-%2").arg(ginId).arg(n);
                lomag.insert("qnrGoodsInLines", lineColumns,
                             {ginId, n, part, kDescriptions[n % kDescriptions.size()], double(between(1, 50)),
                              QStringLiteral("SN%1").arg(between(10000, 99999)), certificate,
                              QStringLiteral("B%1").arg(between(100, 999)), QStringLiteral("SO-%1").arg(2000 + g)});
                if (options.files && (++certificates % 9) != 0)
                    writeCertificate(QDir(certificateFolder).filePath(certificate + QStringLiteral(".pdf")),
                                     certificate, part);
            }
        }
        if (!lomag.ok())
            return lomag.error();
    }
    return std::nullopt;
}

} // namespace qnr::demo
