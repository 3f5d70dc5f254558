#include "SqliteExtensions.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace qnr::data {

namespace {

QString withoutTrailingBlanks(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.left(end);
}

int collateCaseInsensitive(void*, int lengthA, const void* a, int lengthB, const void* b)
{
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

std::optional<QString> installSqliteExtensions(QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return QStringLiteral("The embedded database gave no engine handle.");
    sqlite3* engine = *static_cast<sqlite3* const*>(handle.data());
    if (!engine)
        return QStringLiteral("The embedded database is not open.");
    if (sqlite3_create_collation(engine, "QNR_CI", SQLITE_UTF8, nullptr, collateCaseInsensitive) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(engine));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function(engine, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr) != SQLITE_OK
        || sqlite3_create_function(engine, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(engine));
    return std::nullopt;
}

} // namespace qnr::data
