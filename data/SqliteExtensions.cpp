#include "SqliteExtensions.h"

#include "RowSet.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace qnr::data {

namespace {

QString withoutTrailingBlanks(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.left(end);
}

// "yyyy-MM-dd[ HH:mm[:ss[.fff]]]" as "yyyy-MM-dd HH:mm:ss.fff" (23 characters), so
// that a date alone stands for its midnight, as a date literal does on the server.
// Texts of another form are compared as they are. Runs for every comparison of a
// sort: no allocation.
int canonicalDate(const char* text, int length, char* out)
{
    int start = 0;
    while (start < length && text[start] == ' ')
        ++start;
    while (length > start && text[length - 1] == ' ')
        --length;
    const char* t = text + start;
    const int n = length - start;
    if (n < 10 || t[4] != '-' || t[7] != '-' || n > 40)
        return -1;
    static const char pattern[] = "0000-00-00 00:00:00.000";
    std::memcpy(out, pattern, 23);
    std::memcpy(out, t, 10);
    int at = 10;
    int from = 10;
    if (from < n && (t[from] == ' ' || t[from] == 'T'))
        ++from;
    at = 11;
    for (; from < n && at < 23; ++from, ++at)
        out[at] = t[from];
    return 23;
}

int collateDates(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    char left[24];
    char right[24];
    const int l = canonicalDate(static_cast<const char*>(a), lengthA, left);
    const int r = canonicalDate(static_cast<const char*>(b), lengthB, right);
    if (l < 0 || r < 0) {
        const int c = std::memcmp(a, b, size_t(std::min(lengthA, lengthB)));
        return c != 0 ? c : lengthA - lengthB;
    }
    return std::memcmp(left, right, 23);
}

int collateCaseInsensitive(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    bool ascii = true;
    for (int i = 0; i < lengthA && ascii; ++i)
        ascii = x[i] < 0x80;
    for (int i = 0; i < lengthB && ascii; ++i)
        ascii = y[i] < 0x80;
    if (ascii) {
        // The common case, without building strings: letter case and trailing blanks ignored.
        while (lengthA > 0 && x[lengthA - 1] == ' ')
            --lengthA;
        while (lengthB > 0 && y[lengthB - 1] == ' ')
            --lengthB;
        const int n = std::min(lengthA, lengthB);
        for (int i = 0; i < n; ++i) {
            const int cx = std::tolower(x[i]);
            const int cy = std::tolower(y[i]);
            if (cx != cy)
                return cx - cy;
        }
        return lengthA - lengthB;
    }
    const QString left = QString::fromUtf8(static_cast<const char*>(a), lengthA);
    const QString right = QString::fromUtf8(static_cast<const char*>(b), lengthB);
    return compareCaseInsensitive(left, right);
}

QString textArg(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return bytes ? QString::fromUtf8(bytes, sqlite3_value_bytes(value)) : QString();
}

void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // SQLite passes like(pattern, text[, escape]).
    const QString pattern = textArg(argv[0]);
    const QString text = textArg(argv[1]);
    QChar escape;
    if (argc == 3) {
        const QString e = textArg(argv[2]);
        if (!e.isEmpty())
            escape = e[0];
    }
    sqlite3_result_int(context, likeMatches(text, pattern, escape) ? 1 : 0);
}

bool matchFrom(const QString& t, qsizetype ti, const QString& p, qsizetype pi, QChar escape)
{
    while (pi < p.size()) {
        const QChar pc = p[pi];
        if (!escape.isNull() && pc == escape && pi + 1 < p.size()) {
            if (ti >= t.size() || t[ti] != p[pi + 1])
                return false;
            ++ti;
            pi += 2;
            continue;
        }
        if (pc == QLatin1Char('%')) {
            while (pi < p.size() && p[pi] == QLatin1Char('%'))
                ++pi;
            if (pi == p.size())
                return true;
            for (qsizetype k = ti; k <= t.size(); ++k) {
                if (matchFrom(t, k, p, pi, escape))
                    return true;
            }
            return false;
        }
        if (ti >= t.size())
            return false;
        if (pc == QLatin1Char('_')) {
            ++ti;
            ++pi;
            continue;
        }
        if (pc == QLatin1Char('[')) {
            const qsizetype close = p.indexOf(QLatin1Char(']'), pi + 1);
            if (close > pi + 1) {
                QString set = p.mid(pi + 1, close - pi - 1);
                bool negate = false;
                if (set.startsWith(QLatin1Char('^'))) {
                    negate = true;
                    set.remove(0, 1);
                }
                const QChar c = t[ti];
                bool inSet = false;
                for (qsizetype k = 0; k < set.size(); ++k) {
                    if (k + 2 < set.size() && set[k + 1] == QLatin1Char('-')) {
                        if (c >= set[k] && c <= set[k + 2])
                            inSet = true;
                        k += 2;
                    } else if (set[k] == c) {
                        inSet = true;
                    }
                }
                if (inSet == negate)
                    return false;
                ++ti;
                pi = close + 1;
                continue;
            }
        }
        if (t[ti] != pc)
            return false;
        ++ti;
        ++pi;
    }
    return ti == t.size();
}

} // namespace

int compareCaseInsensitive(const QString& a, const QString& b)
{
    return QString::compare(withoutTrailingBlanks(a).toCaseFolded(), withoutTrailingBlanks(b).toCaseFolded(),
                            Qt::CaseSensitive);
}

bool likeMatches(const QString& text, const QString& pattern, QChar escape)
{
    const QChar foldedEscape = escape.isNull() ? QChar() : escape.toCaseFolded();
    return matchFrom(text.toCaseFolded(), 0, pattern.toCaseFolded(), 0, foldedEscape);
}

namespace {

sqlite3* engineOf(QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

} // namespace

std::optional<QString> selectSqlite(QSqlDatabase& db, const QString& sql, RowSet& rows)
{
    sqlite3* engine = engineOf(db);
    if (!engine)
        return QStringLiteral("The embedded database is not open.");
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(engine, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(engine));
    if (!statement)
        return std::nullopt; // nothing to run
    const int count = sqlite3_column_count(statement);
    QStringList columns;
    columns.reserve(count);
    for (int i = 0; i < count; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(statement, i));
    rows = RowSet(columns);
    std::optional<QString> error;
    for (;;) {
        const int step = sqlite3_step(statement);
        if (step == SQLITE_DONE)
            break;
        if (step != SQLITE_ROW) {
            error = QString::fromUtf8(sqlite3_errmsg(engine));
            break;
        }
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
            case SQLITE_BLOB:
                values.append(QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, i)),
                                                  sqlite3_column_bytes(statement, i))));
                break;
            default:
                values.append(QVariant());
                break;
            }
        }
        rows.append(std::move(values));
    }
    sqlite3_finalize(statement);
    return error;
}

std::optional<QString> installSqliteExtensions(QSqlDatabase& db)
{
    sqlite3* engine = engineOf(db);
    if (!engine)
        return QStringLiteral("The embedded database gave no engine handle.");
    if (sqlite3_create_collation(engine, "QNR_CI", SQLITE_UTF8, nullptr, collateCaseInsensitive) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(engine));
    if (sqlite3_create_collation(engine, "QNR_DATE", SQLITE_UTF8, nullptr, collateDates) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(engine));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function(engine, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function(engine, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(engine));
    return std::nullopt;
}

} // namespace qnr::data
