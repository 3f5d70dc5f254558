#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace qnr::data {

class RowSet;

// One row of a result. Columns are found by name without regard to case, as the
// server's names are.
class Row {
public:
    Row(const RowSet& set, int index)
        : m_set(set)
        , m_index(index)
    {
    }

    QVariant value(const QString& column) const;
    bool isNull(const QString& column) const;
    // NULL reads as empty text, as boxes and lists show it.
    QString text(const QString& column) const;
    double number(const QString& column) const;
    // Bit flags may be NULL; NULL and 0 read as false.
    bool flag(const QString& column) const;
    // Ids carried as decimal text, without a fractional part or exponent.
    QString id(const QString& column) const;
    // Dates come back as date values from the server and as "yyyy-MM-dd[ HH:mm:ss]"
    // text from the embedded engine; both read the same here. Invalid when NULL.
    QDateTime dateTime(const QString& column) const;
    // The date part alone, without the time zone work a date and time needs.
    QDate date(const QString& column) const;

private:
    const QVariant* cell(const QString& column) const;

    const RowSet& m_set;
    int m_index;
};

class RowSet {
public:
    RowSet() = default;
    explicit RowSet(QStringList columns);

    const QStringList& columns() const { return m_columns; }
    int columnIndex(const QString& name) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }

    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    Row row(int index) const { return Row(*this, index); }
    const QVariant& cell(int row, int column) const { return m_rows[size_t(row)][column]; }

    void reserve(int rows) { m_rows.reserve(size_t(rows)); }
    void append(QVariantList values) { m_rows.push_back(std::move(values)); }

    class const_iterator {
    public:
        const_iterator(const RowSet& set, int index)
            : m_set(&set)
            , m_index(index)
        {
        }
        Row operator*() const { return m_set->row(m_index); }
        const_iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return m_index != other.m_index; }

    private:
        const RowSet* m_set;
        int m_index;
    };
    const_iterator begin() const { return {*this, 0}; }
    const_iterator end() const { return {*this, size()}; }

private:
    QStringList m_columns;
    QHash<QString, int> m_exact; // name as the engine gave it -> column
    QHash<QString, int> m_index; // lower-case name -> column
    std::vector<QVariantList> m_rows;
};

QString variantToText(const QVariant& value);

} // namespace qnr::data
