#include "SqlTranslator.h"

#include "Schema.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <vector>

namespace qnr::data {

namespace {

enum class Kind { Space, Word, Number, Text, Bracketed, Punct };

struct Token {
    Kind kind;
    QString text;
};

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#') ||
           c == QLatin1Char('$');
}

std::vector<Token> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    const int n = int(sql.size());
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const int start = i;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            tokens.push_back({Kind::Space, sql.mid(start, i - start)});
        } else if (c == QLatin1Char('\'')) {
            ++i;
            while (i < n) {
                if (sql[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && sql[i + 1] == QLatin1Char('\'')) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.push_back({Kind::Text, sql.mid(start, i - start)});
        } else if (c == QLatin1Char('[')) {
            while (i < n && sql[i] != QLatin1Char(']'))
                ++i;
            if (i < n)
                ++i;
            tokens.push_back({Kind::Bracketed, sql.mid(start, i - start)});
        } else if (c.isDigit()) {
            while (i < n && (sql[i].isDigit() || sql[i] == QLatin1Char('.')))
                ++i;
            tokens.push_back({Kind::Number, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(sql[i]))
                ++i;
            tokens.push_back({Kind::Word, sql.mid(start, i - start)});
        } else {
            ++i;
            tokens.push_back({Kind::Punct, QString(c)});
        }
    }
    return tokens;
}

bool isWord(const Token& t, const char* word)
{
    return t.kind == Kind::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isPunct(const Token& t, char c)
{
    return t.kind == Kind::Punct && t.text == QLatin1Char(c);
}

// Index of the next token that is not blank, or tokens.size().
size_t nextSolid(const std::vector<Token>& tokens, size_t from)
{
    while (from < tokens.size() && tokens[from].kind == Kind::Space)
        ++from;
    return from;
}

// The server finds an ORDER BY name among the columns of the select list, even
// where two joined tables share it; the embedded engine calls that ambiguous unless
// the name is qualified as in the select list.
void qualifyOrderByNames(std::vector<Token>& tokens)
{
    int depth = 0;
    size_t selectAt = tokens.size();
    size_t fromAt = tokens.size();
    size_t orderAt = tokens.size();
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (isPunct(t, '('))
            ++depth;
        else if (isPunct(t, ')'))
            --depth;
        else if (depth == 0 && selectAt == tokens.size() && isWord(t, "SELECT"))
            selectAt = i;
        else if (depth == 0 && selectAt != tokens.size() && fromAt == tokens.size() && isWord(t, "FROM"))
            fromAt = i;
        else if (depth == 0 && fromAt != tokens.size() && isWord(t, "ORDER")) {
            const size_t by = nextSolid(tokens, i + 1);
            if (by < tokens.size() && isWord(tokens[by], "BY"))
                orderAt = by;
        }
    }
    if (orderAt == tokens.size())
        return;

    QHash<QString, QString> qualified; // column name -> "table.column"
    depth = 0;
    for (size_t i = selectAt + 1; i + 2 < fromAt; ++i) {
        if (isPunct(tokens[i], '('))
            ++depth;
        else if (isPunct(tokens[i], ')'))
            --depth;
        if (depth != 0 || tokens[i].kind != Kind::Word || !isPunct(tokens[i + 1], '.') ||
            tokens[i + 2].kind != Kind::Word)
            continue;
        const size_t after = nextSolid(tokens, i + 3);
        if (after < tokens.size() && isWord(tokens[after], "AS"))
            continue;
        const QString name = tokens[i + 2].text.toLower();
        if (!qualified.contains(name))
            qualified.insert(name, tokens[i].text + QLatin1Char('.') + tokens[i + 2].text);
        i += 2;
    }

    for (size_t i = orderAt + 1; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        if (t.kind != Kind::Word || isWord(t, "ASC") || isWord(t, "DESC"))
            continue;
        const size_t before = i == 0 ? 0 : i - 1;
        const size_t after = nextSolid(tokens, i + 1);
        const bool bare = !isPunct(tokens[before], '.') && (after >= tokens.size() || !isPunct(tokens[after], '.')) &&
                          (after >= tokens.size() || !isPunct(tokens[after], '('));
        if (bare && qualified.contains(t.text.toLower()))
            t.text = qualified.value(t.text.toLower());
    }
}

} // namespace

QString translateToSqlite(const QString& tsql)
{
    std::vector<Token> tokens = tokenize(tsql);

    const size_t first = nextSolid(tokens, 0);
    if (first < tokens.size() && isWord(tokens[first], "GRANT"))
        return {};

    // "dbo." before a name.
    std::vector<Token> plain;
    plain.reserve(tokens.size());
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (isWord(tokens[i], "dbo") && i + 1 < tokens.size() && isPunct(tokens[i + 1], '.')) {
            ++i;
            continue;
        }
        plain.push_back(tokens[i]);
    }

    qualifyOrderByNames(plain);

    QString out;
    out.reserve(tsql.size() + 32);
    // Row limits waiting for the end of their SELECT, by bracket depth.
    QList<QPair<int, QString>> pendingLimits;
    int depth = 0;
    auto closeLimitsAt = [&](int level) {
        while (!pendingLimits.isEmpty() && pendingLimits.last().first == level) {
            out += QStringLiteral(" LIMIT ") + pendingLimits.last().second;
            pendingLimits.removeLast();
        }
    };

    for (size_t i = 0; i < plain.size(); ++i) {
        const Token& t = plain[i];
        if (isPunct(t, '(')) {
            ++depth;
            out += t.text;
            continue;
        }
        if (isPunct(t, ')')) {
            closeLimitsAt(depth);
            --depth;
            out += t.text;
            continue;
        }
        if (t.kind != Kind::Word) {
            out += t.text;
            continue;
        }
        if (isWord(t, "NEWID")) {
            const size_t open = nextSolid(plain, i + 1);
            const size_t close = nextSolid(plain, open + 1);
            if (open < plain.size() && isPunct(plain[open], '(') && close < plain.size() &&
                isPunct(plain[close], ')')) {
                out += QStringLiteral("random()");
                i = close;
                continue;
            }
        }
        if (isWord(t, "ISNULL")) {
            const size_t open = nextSolid(plain, i + 1);
            if (open < plain.size() && isPunct(plain[open], '(')) {
                out += QStringLiteral("ifnull");
                continue;
            }
        }
        if (isWord(t, "SearchCert")) {
            const size_t open = nextSolid(plain, i + 1);
            const size_t arg = nextSolid(plain, open + 1);
            const size_t close = nextSolid(plain, arg + 1);
            if (close < plain.size() && isPunct(plain[open], '(') && plain[arg].kind == Kind::Number &&
                isPunct(plain[close], ')')) {
                out += QLatin1Char('(') + searchCertSelect(plain[arg].text) + QLatin1Char(')');
                i = close;
                continue;
            }
        }
        if (isWord(t, "TOP")) {
            // TOP (n), TOP n, TOP n PERCENT
            size_t j = nextSolid(plain, i + 1);
            QString count;
            bool bracketed = false;
            if (j < plain.size() && isPunct(plain[j], '(')) {
                bracketed = true;
                j = nextSolid(plain, j + 1);
            }
            if (j < plain.size() && plain[j].kind == Kind::Number) {
                count = plain[j].text;
                if (bracketed) {
                    j = nextSolid(plain, j + 1);
                    if (j >= plain.size() || !isPunct(plain[j], ')'))
                        count.clear();
                }
            }
            if (!count.isEmpty()) {
                size_t after = nextSolid(plain, j + 1);
                const bool percent = after < plain.size() && isWord(plain[after], "PERCENT");
                if (percent) {
                    // Only "TOP 100 PERCENT" is sent; it limits nothing.
                    j = after;
                } else {
                    pendingLimits.append({depth, count});
                }
                // Drop the blanks that followed the TOP clause, keep one.
                i = j;
                while (i + 1 < plain.size() && plain[i + 1].kind == Kind::Space)
                    ++i;
                if (!out.endsWith(QLatin1Char(' ')))
                    out += QLatin1Char(' ');
                continue;
            }
        }
        out += t.text;
    }
    while (!pendingLimits.isEmpty()) {
        // Trailing blanks stay before the limit for readability of logged statements.
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        closeLimitsAt(pendingLimits.last().first);
    }
    // DELETE TOP (n): the embedded engine limits a delete through the row ids.
    static const QRegularExpression limitedDelete(
        QStringLiteral("^\\s*DELETE\\s+FROM\\s+(\\S+)\\s+(WHERE\\s.*)\\sLIMIT (\\d+)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = limitedDelete.match(out);
    if (m.hasMatch()) {
        return QStringLiteral("DELETE FROM %1 WHERE rowid IN (SELECT rowid FROM %1 %2 LIMIT %3)")
            .arg(m.captured(1), m.captured(2).trimmed(), m.captured(3));
    }
    return out;
}

} // namespace qnr::data
