#include "RowSet.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

namespace qnr::data {

RowSet::RowSet(QStringList columns) : m_columns(std::move(columns))
{
    for (int i = 0; i < m_columns.size(); ++i) {
        // The first of two equal names wins, as a recordset's field lookup does.
        const QString key = m_columns[i].toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

int RowSet::columnIndex(const QString& name) const
{
    return m_index.value(name.toLower(), -1);
}

QString variantToText(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (std::floor(d) == d && std::fabs(d) < 1e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 15);
    }
    // Dates read as the embedded engine stores them, so both engines agree.
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

QVariant Row::value(const QString& column) const
{
    const int c = m_set.columnIndex(column);
    if (c < 0)
        return {};
    return m_set.cell(m_index, c);
}

bool Row::isNull(const QString& column) const
{
    const QVariant v = value(column);
    return v.isNull() || !v.isValid();
}

QString Row::text(const QString& column) const
{
    return variantToText(value(column));
}

double Row::number(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return 0.0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0.0;
}

bool Row::flag(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull() || !v.isValid())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        return !(s.isEmpty() || s == QLatin1String("0") || s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0);
    }
    return v.toDouble() != 0.0;
}

QString Row::id(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(qint64(std::llround(v.toDouble())));
    default:
        return v.toString().trimmed();
    }
}

} // namespace qnr::data

namespace qnr::data {

QDateTime Row::dateTime(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull() || !v.isValid())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    const QString text = v.toString().trimmed();
    for (const char* format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm"}) {
        const QDateTime dt = QDateTime::fromString(text, QLatin1String(format));
        if (dt.isValid())
            return dt;
    }
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? date.startOfDay() : QDateTime();
}

} // namespace qnr::data
