#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace qnr::data {

enum class DatabaseKind { Escape, Lomag, VisualOffice };

enum class ColumnType {
    Id, // package ids of up to 14 digits (numeric on the server)
    Integer,
    SmallInt,
    Bit,     // may be NULL
    Decimal, // amounts and quantities
    Text,
    LongText,
    ClockKey, // the program's 18-digit text keys
    Date,
    DateTime,
};

struct ColumnDef {
    QString name;
    ColumnType type;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;
};

// Views and functions are written once in SQL that both engines understand.
struct ViewDef {
    QString name;
    QStringList columns;
    QString select;
};

struct DatabaseSchema {
    DatabaseKind kind;
    std::vector<TableDef> tables;
    std::vector<ViewDef> views;
};

const DatabaseSchema& schemaOf(DatabaseKind kind);

// The rows of one goods-in note, as dbo.SearchCert(n) returns them.
QString searchCertSelect(const QString& ginId);
QStringList searchCertColumns();

QString sqlServerDdl(DatabaseKind kind);
QString sqliteDdl(DatabaseKind kind);

QString databaseKindName(DatabaseKind kind);

} // namespace qnr::data
