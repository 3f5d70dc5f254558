#include "ListUtilities.h"

#include "ReportList.h"

#include <cmath>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

namespace qnr {

QString CleanUpperText(QString& text)
{
    while (text.contains(QLatin1String("  ")))
        text.replace(QLatin1String("  "), QLatin1String(" "));
    return text.toUpper();
}

void AutoSizeGridColumns(QTableWidget* grid, const QWidget* window)
{
    const QFontMetrics fm(window ? window->font() : grid->font());
    const double pixelsPerTwip = (window ? window->logicalDpiX() : grid->logicalDpiX()) / 1440.0;
    const int extra = int(std::lround(100 * pixelsPerTwip));
    auto widen = [&](int column, const QString& text) {
        const int wanted = fm.horizontalAdvance(text) + extra;
        if (wanted > grid->columnWidth(column))
            grid->setColumnWidth(column, wanted);
    };
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (const QTableWidgetItem* header = grid->horizontalHeaderItem(c))
            widen(c, header->text());
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (const QTableWidgetItem* item = grid->item(r, c))
                widen(c, item->text());
        }
    }
}

void LV_AutoSizeColumn(ReportListView* list, int column)
{
    const int columns = list->listModel()->columnCount();
    const QFontMetrics fm(list->font());
    auto fit = [&](int c) {
        int widest = 0;
        const int rows = list->listModel()->rowCount();
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, fm.horizontalAdvance(list->listModel()->text(r, c)));
        list->header()->resizeSection(c, widest + 12);
    };
    if (column >= 0 && column < columns)
        fit(column);
    else
        for (int c = 0; c < columns; ++c)
            fit(c);
    list->viewport()->update();
}

void ColorListRow(ReportListView* list, int position, const QColor& color)
{
    const int row = position - 1;
    if (row < 0 || row >= list->listModel()->rowCount())
        return;
    list->listModel()->setRowColor(row, color);
    list->selectRow(row);
}

void AlternateBackground(ReportListView* list, const QColor& first, const QColor& second)
{
    if (list->listModel()->rowCount() == 0)
        return;
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, first);
    pal.setColor(QPalette::AlternateBase, second);
    list->setPalette(pal);
    list->setAlternatingRowColors(true);
}

} // namespace qnr
