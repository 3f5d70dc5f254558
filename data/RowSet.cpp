#include "RowSet.h"

#include <cmath>
#include <QDate>
#include <QDateTime>

namespace qnr::data {

RowSet::RowSet(QStringList columns)
    : m_columns(std::move(columns))
{
    for (int i = 0; i < m_columns.size(); ++i) {
        // The first of two equal names wins, as a recordset's field lookup does.
        const QString key = m_columns[i].toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
        if (!m_exact.contains(m_columns[i]))
            m_exact.insert(m_columns[i], i);
    }
}

int RowSet::columnIndex(const QString& name) const
{
    // Most callers spell a name as the engine does: no lower-casing needed then.
    const auto exact = m_exact.constFind(name);
    if (exact != m_exact.constEnd())
        return *exact;
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

const QVariant* Row::cell(const QString& column) const
{
    const int c = m_set.columnIndex(column);
    return c < 0 ? nullptr : &m_set.cell(m_index, c);
}

QVariant Row::value(const QString& column) const
{
    const QVariant* v = cell(column);
    return v ? *v : QVariant();
}

bool Row::isNull(const QString& column) const
{
    const QVariant* v = cell(column);
    return !v || v->isNull() || !v->isValid();
}

QString Row::text(const QString& column) const
{
    const QVariant* v = cell(column);
    return v ? variantToText(*v) : QString();
}

double Row::number(const QString& column) const
{
    const QVariant* cellValue = cell(column);
    if (!cellValue || cellValue->isNull())
        return 0.0;
    const QVariant& v = *cellValue;
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

QDate Row::date(const QString& column) const
{
    const QVariant* v = cell(column);
    if (!v || v->isNull() || !v->isValid())
        return {};
    if (v->typeId() == QMetaType::QDateTime)
        return v->toDateTime().date();
    if (v->typeId() == QMetaType::QDate)
        return v->toDate();
    const QString text = v->toString();
    int parts[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    int at = 0;
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < widths[p]; ++i, ++at) {
            if (at >= text.size() || !text[at].isDigit())
                return dateTime(column).date();
            parts[p] = parts[p] * 10 + (text[at].unicode() - '0');
        }
        if (p < 2 && (at >= text.size() || text[at++] != QLatin1Char('-')))
            return dateTime(column).date();
    }
    return QDate(parts[0], parts[1], parts[2]);
}

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
    // "yyyy-MM-dd HH:mm:ss", as the embedded engine stores dates: read digit by digit,
    // a list of documents reads thousands of them.
    auto digits = [&](int from, int count, int& value) {
        value = 0;
        for (int i = from; i < from + count; ++i) {
            const QChar c = text[i];
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
            value = value * 10 + (c.unicode() - '0');
        }
        return true;
    };
    if (text.size() >= 10 && text[4] == QLatin1Char('-') && text[7] == QLatin1Char('-')) {
        int y, mo, d, h = 0, mi = 0, sec = 0;
        const bool timeOk = text.size() == 10 || (text.size() >= 19 && text[13] == QLatin1Char(':') &&
                                                  digits(11, 2, h) && digits(14, 2, mi) && digits(17, 2, sec));
        if (digits(0, 4, y) && digits(5, 2, mo) && digits(8, 2, d) && timeOk) {
            const QDateTime dt(QDate(y, mo, d), QTime(h, mi, sec));
            if (dt.isValid())
                return dt;
        }
    }
    for (const char* format :
         {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm"}) {
        const QDateTime dt = QDateTime::fromString(text, QLatin1String(format));
        if (dt.isValid())
            return dt;
    }
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? date.startOfDay() : QDateTime();
}

} // namespace qnr::data
