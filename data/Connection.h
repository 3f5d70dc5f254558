#pragma once

#include "DbError.h"
#include "RowSet.h"

#include <memory>
#include <optional>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace qnr::data {

enum class Engine { SqlServer, Sqlite };

struct ConnectionOptions {
    Engine engine = Engine::SqlServer;
    QString server;
    QString userName;
    QString password;
    QString database;
    int timeoutSeconds = 5;
    // A relative SQLite file name is taken from this folder.
    QString baseFolder;
};

using MaybeError = std::optional<DbError>;
using ColumnValues = QList<QPair<QString, QVariant>>;

struct QueryResult {
    RowSet rows;
    MaybeError error;
    bool ok() const { return !error.has_value(); }
};

// The ODBC connection string that reaches SQL Server through FreeTDS. Values that
// could break the string (";", braces, leading or trailing blanks) go between braces.
QString odbcConnectionString(const ConnectionOptions& options);

// One long-lived connection to a database of the program. Statements are sent as
// the program writes them (T-SQL); on the embedded engine they are translated first.
class Connection {
public:
    explicit Connection(const QString& name);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& name() const { return m_name; }

    MaybeError open(const ConnectionOptions& options);
    // A short-lived second connection to the same database, for work that must run
    // in a transaction of its own.
    std::unique_ptr<Connection> openSecond(const QString& name, MaybeError* error = nullptr) const;
    void close();
    bool isOpen() const;
    Engine engine() const { return m_options.engine; }
    const ConnectionOptions& options() const { return m_options; }

    QueryResult select(const QString& sql) const;
    MaybeError execute(const QString& sql) const;

    // The updatable-recordset writes, always with bound values.
    MaybeError append(const QString& table, const ColumnValues& values) const;
    MaybeError update(const QString& table, const ColumnValues& values, const QString& keyColumn,
                      const QVariant& keyValue) const;
    MaybeError update(const QString& table, const ColumnValues& values, const ColumnValues& keys) const;

    MaybeError beginTransaction() const;
    MaybeError commit() const;
    MaybeError rollback() const;

    // The statement as the engine receives it.
    QString engineText(const QString& sql) const;

private:
    QString m_name;
    ConnectionOptions m_options;
};

// Commits only when told to; otherwise rolls back when it goes out of scope.
class Transaction {
public:
    explicit Transaction(const Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    const MaybeError& startError() const { return m_startError; }
    MaybeError commit();

private:
    const Connection& m_connection;
    MaybeError m_startError;
    bool m_done = false;
};

} // namespace qnr::data
