#include "DocumentRows.h"

#include "MovesQueries.h"

#include <Formatting.h>

namespace qnr::documents {

std::vector<ReportColumn> movesColumns()
{
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    return {{QStringLiteral("-"), 0.001},
            {QStringLiteral("-"), 0.001},
            {QStringLiteral("Date/Time"), 0.09},
            {QStringLiteral("Doc"), 0.05},
            {QStringLiteral("Number"), 0.05},
            {QStringLiteral("Document Description"), 0.2},
            {QStringLiteral("Company Name"), 0.3},
            {QStringLiteral("Amount"), 0.08, right},
            {QStringLiteral("Am.Euro"), 0.08, right},
            {QStringLiteral("Am.Leva"), 0.08, right},
            {QStringLiteral("CMR Printed"), 0.05}};
}

std::vector<ReportColumn> itemColumns()
{
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    return {{QStringLiteral("Id"), 0.08},         {QStringLiteral("MvId"), 0.12},
            {QStringLiteral("Part Number"), 0.2}, {QStringLiteral("Descriprion"), 0.3},
            {QStringLiteral("Qty"), 0.08, right}, {QStringLiteral("Price"), 0.1, right},
            {QStringLiteral("Total"), 0.1, right}};
}

ReportRow movesRow(const data::Row& row, const QLocale& locale)
{
    const QString total = QStringLiteral("MvTotal");
    const QString rate = QStringLiteral("CurrExcRate");
    QString amount, euro, leva;
    if (!row.isNull(total)) {
        amount = formatAmount(row.number(total), locale);
        if (!row.isNull(rate)) {
            const double inLeva = row.number(total) * row.number(rate);
            euro = formatAmount(inLeva / kLevaPerEuro, locale);
            leva = formatAmount(inLeva, locale);
        }
    }
    QString cmr;
    if (row.isNull(QStringLiteral("qnrCMR")))
        cmr = QStringLiteral("No");
    else if (row.flag(QStringLiteral("qnrCMR")))
        cmr = QStringLiteral("Yes");

    ReportRow line;
    const QString mvId = row.id(QStringLiteral("MvId"));
    line.cells = {mvId,
                  row.id(QStringLiteral("LogId")),
                  formatDate(row.date(QStringLiteral("MvDate"))),
                  row.text(QStringLiteral("ParastCod")),
                  row.text(QStringLiteral("MvSeira")) + QLatin1Char(' ') + row.text(QStringLiteral("MvArpar")),
                  row.text(QStringLiteral("MvParastTitle")) + QLatin1Char(' ') + row.text(QStringLiteral("MvAitiol")),
                  row.text(QStringLiteral("MvEpon")),
                  amount,
                  euro,
                  leva,
                  cmr};
    line.tag = mvId;
    if (row.isNull(QStringLiteral("qnrDocDetails")))
        line.color = kNoDetailsColor;
    return line;
}

ReportRow itemRow(const data::Row& row, const QLocale& locale)
{
    auto number = [&](const char* column) {
        return row.isNull(QLatin1String(column)) ? QString() : formatAmount(row.number(QLatin1String(column)), locale);
    };
    ReportRow line;
    line.cells = {row.id(QStringLiteral("Id")),
                  row.id(QStringLiteral("MvId")),
                  row.text(QStringLiteral("StkFactoryCod")),
                  row.text(QStringLiteral("IoStk1")),
                  row.text(QStringLiteral("IoQuant1")),
                  number("IoNetUnitPrice"),
                  number("IoDTotal")};
    line.tag = row.id(QStringLiteral("Id"));
    return line;
}

} // namespace qnr::documents
