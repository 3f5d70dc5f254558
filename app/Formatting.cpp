#include "Formatting.h"

#include <QDateTime>

namespace qnr {

QString formatDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    // Digit by digit: QDate::toString parses its format on every call, and lists
    // format a date per row.
    const int y = date.year();
    const int m = date.month();
    const int d = date.day();
    if (y < 1000 || y > 9999)
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    const QChar text[10] = {QChar('0' + d / 10),   QChar('0' + d % 10),       QLatin1Char('/'),
                            QChar('0' + m / 10),   QChar('0' + m % 10),       QLatin1Char('/'),
                            QChar('0' + y / 1000), QChar('0' + y / 100 % 10), QChar('0' + y / 10 % 10),
                            QChar('0' + y % 10)};
    return QString(text, 10);
}

QString formatDate(const QDateTime& moment)
{
    return formatDate(moment.date());
}

QString formatAmount(double value, const QLocale& locale)
{
    // Lists format thousands of amounts: the fixed pattern "#,##0.00" the short way.
    QString text = locale.toString(value, 'f', 2);
    if (value < 0 && value > -0.005 && text.startsWith(locale.negativeSign()))
        text.remove(0, locale.negativeSign().size());
    return text;
}

QString formatNumber(double value, const QString& pattern, const QLocale& locale)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? pattern : pattern.left(point);
    const QString fraction = point < 0 ? QString() : pattern.mid(point + 1);
    const bool grouped = whole.contains(QLatin1Char(','));
    const int maxDecimals = int(fraction.count(QLatin1Char('0')) + fraction.count(QLatin1Char('#')));
    const int minDecimals = int(fraction.lastIndexOf(QLatin1Char('0')) + 1);

    QLocale numberLocale = locale;
    numberLocale.setNumberOptions(grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString text = numberLocale.toString(value, 'f', maxDecimals);
    if (maxDecimals > minDecimals) {
        const QString decimalPoint = numberLocale.decimalPoint();
        const qsizetype at = text.lastIndexOf(decimalPoint);
        if (at >= 0) {
            qsizetype keep = text.size();
            const qsizetype firstOptional = at + decimalPoint.size() + minDecimals;
            while (keep > firstOptional && text[keep - 1] == QLatin1Char('0'))
                --keep;
            text.truncate(keep);
            if (text.endsWith(decimalPoint))
                text.chop(decimalPoint.size());
        }
    }
    // "-0.00" reads as zero.
    if (text.startsWith(numberLocale.negativeSign())) {
        bool allZero = true;
        for (QChar c : text) {
            if (c.isDigit() && c != QLatin1Char('0'))
                allZero = false;
        }
        if (allZero)
            text.remove(0, numberLocale.negativeSign().size());
    }
    return text;
}

} // namespace qnr
