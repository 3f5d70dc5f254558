#include "Connection.h"

#include "SqliteExtensions.h"
#include "SqlTranslator.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace qnr::data {

namespace {

QString odbcValue(const QString& value)
{
    const bool needsBraces = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('{')) ||
                             value.contains(QLatin1Char('}')) || value.contains(QLatin1Char('=')) ||
                             value != value.trimmed();
    if (!needsBraces)
        return value;
    QString inner = value;
    inner.replace(QLatin1String("}"), QLatin1String("}}"));
    return QLatin1Char('{') + inner + QLatin1Char('}');
}

DbError errorFrom(const QSqlError& error)
{
    QString text = error.text().trimmed();
    if (text.isEmpty())
        text = QStringLiteral("Unknown database error");
    QString number = error.nativeErrorCode().trimmed();
    bool isNumber = false;
    number.toLongLong(&isNumber);
    return DbError::statement(text, isNumber ? number : QStringLiteral("-1"));
}

QString quotedName(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

} // namespace

QString odbcConnectionString(const ConnectionOptions& options)
{
    QString host = options.server.trimmed();
    QString port;
    // SQL Server writes a port after a comma: "host,1433".
    const int comma = host.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        port = host.mid(comma + 1).trimmed();
        host = host.left(comma).trimmed();
    }
    QString text = QStringLiteral("DRIVER={FreeTDS};SERVER=") + odbcValue(host) + QLatin1Char(';');
    if (!port.isEmpty())
        text += QStringLiteral("PORT=") + odbcValue(port) + QLatin1Char(';');
    text += QStringLiteral("DATABASE=") + odbcValue(options.database) + QLatin1Char(';');
    text += QStringLiteral("UID=") + odbcValue(options.userName) + QLatin1Char(';');
    text += QStringLiteral("PWD=") + odbcValue(options.password) + QLatin1Char(';');
    text += QStringLiteral("ClientCharset=UTF-8;");
    return text;
}

Connection::Connection(const QString& name)
    : m_name(name)
{
}

std::unique_ptr<Connection> Connection::openSecond(const QString& name, MaybeError* error) const
{
    auto second = std::make_unique<Connection>(name);
    MaybeError result = second->open(m_options);
    if (error)
        *error = result;
    if (result)
        return nullptr;
    return second;
}

Connection::~Connection()
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

MaybeError Connection::open(const ConnectionOptions& options)
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
    m_options = options;

    if (options.engine == Engine::Sqlite) {
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
            return DbError::statement(QStringLiteral("The SQLite driver of Qt (QSQLITE) is not installed."));
        QString path = options.database;
        if (QFileInfo(path).isRelative())
            path = QDir(options.baseFolder).filePath(path);
        // A missing file is a refused connection, never a new empty database.
        if (options.database.trimmed().isEmpty() || !QFileInfo(path).isFile())
            return DbError::refused(QStringLiteral("Cannot open database \"%1\": the file does not exist.").arg(path));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options.timeoutSeconds * 1000));
        if (!db.open())
            return DbError::refused(db.lastError().text());
        if (auto error = installSqliteExtensions(db))
            return DbError::refused(*error);
        return std::nullopt;
    }

    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")))
        return DbError::statement(QStringLiteral("The ODBC driver of Qt (QODBC) is not installed."));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    // Ids of 14 digits and amounts come back as numbers, not as text.
    db.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    db.setDatabaseName(odbcConnectionString(options));
    db.setConnectOptions(
        QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1").arg(options.timeoutSeconds));
    if (!db.open())
        return DbError::refused(db.lastError().text());
    return std::nullopt;
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen())
        db.close();
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QString Connection::engineText(const QString& sql) const
{
    if (m_options.engine == Engine::Sqlite)
        return translateToSqlite(sql);
    return sql;
}

static MaybeError notOpen()
{
    return DbError::statement(QStringLiteral("The database connection is not open."), QStringLiteral("3704"));
}

QueryResult Connection::select(const QString& sql) const
{
    QueryResult result;
    if (!isOpen()) {
        result.error = notOpen();
        return result;
    }
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (m_options.engine == Engine::Sqlite) {
        // Straight through the engine: QSqlQuery would cost a second copy of every cell.
        if (auto error = selectSqlite(db, engineText(sql), result.rows))
            result.error = DbError::statement(*error);
        return result;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(engineText(sql))) {
        result.error = errorFrom(query.lastError());
        return result;
    }
    const QSqlRecord record = query.record();
    QStringList columns;
    columns.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    result.rows = RowSet(columns);
    const int count = int(columns.size());
    while (query.next()) {
        QVariantList values;
        values.reserve(count);
        for (int i = 0; i < count; ++i)
            values.append(query.value(i));
        result.rows.append(std::move(values));
    }
    if (query.lastError().isValid())
        result.error = errorFrom(query.lastError());
    return result;
}

MaybeError Connection::execute(const QString& sql) const
{
    if (!isOpen())
        return notOpen();
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    const QString text = engineText(sql);
    if (text.trimmed().isEmpty())
        return std::nullopt; // a statement the embedded engine has nothing to do for
    QSqlQuery query(db);
    if (!query.exec(text))
        return errorFrom(query.lastError());
    return std::nullopt;
}

MaybeError Connection::append(const QString& table, const ColumnValues& values) const
{
    if (!isOpen())
        return notOpen();
    QStringList names;
    QStringList marks;
    for (const auto& [column, value] : values) {
        names << quotedName(column);
        marks << QStringLiteral("?");
    }
    const QString sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(engineText(table).trimmed(), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    if (!query.prepare(sql))
        return errorFrom(query.lastError());
    for (const auto& pair : values)
        query.addBindValue(pair.second);
    if (!query.exec())
        return errorFrom(query.lastError());
    return std::nullopt;
}

MaybeError Connection::update(const QString& table, const ColumnValues& values, const QString& keyColumn,
                              const QVariant& keyValue) const
{
    return update(table, values, ColumnValues{{keyColumn, keyValue}});
}

MaybeError Connection::update(const QString& table, const ColumnValues& values, const ColumnValues& keys) const
{
    if (!isOpen())
        return notOpen();
    QStringList assignments;
    for (const auto& pair : values)
        assignments << quotedName(pair.first) + QStringLiteral(" = ?");
    QStringList conditions;
    for (const auto& pair : keys)
        conditions << quotedName(pair.first) + QStringLiteral(" = ?");
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(engineText(table).trimmed(), assignments.join(QStringLiteral(", ")),
                                 conditions.join(QStringLiteral(" AND ")));
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    if (!query.prepare(sql))
        return errorFrom(query.lastError());
    for (const auto& pair : values)
        query.addBindValue(pair.second);
    for (const auto& pair : keys)
        query.addBindValue(pair.second);
    if (!query.exec())
        return errorFrom(query.lastError());
    return std::nullopt;
}

MaybeError Connection::beginTransaction() const
{
    if (!isOpen())
        return notOpen();
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.transaction())
        return errorFrom(db.lastError());
    return std::nullopt;
}

MaybeError Connection::commit() const
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.commit())
        return errorFrom(db.lastError());
    return std::nullopt;
}

MaybeError Connection::rollback() const
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.rollback())
        return errorFrom(db.lastError());
    return std::nullopt;
}

Transaction::Transaction(const Connection& connection)
    : m_connection(connection)
{
    m_startError = m_connection.beginTransaction();
    m_done = m_startError.has_value();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_connection.rollback();
}

MaybeError Transaction::commit()
{
    if (m_startError)
        return m_startError;
    m_done = true;
    if (auto error = m_connection.commit()) {
        m_connection.rollback();
        return error;
    }
    return std::nullopt;
}

} // namespace qnr::data
