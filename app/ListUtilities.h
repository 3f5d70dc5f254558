#pragma once

#include <QColor>
#include <QString>

class QTableWidget;
class QWidget;

namespace qnr {

class ReportListView;

// Runs of blanks become one blank (the ends are not trimmed); `text` keeps that;
// the result is it in upper case.
QString CleanUpperText(QString& text);

// Widens (never narrows) every column to its widest cell text plus 100 twips,
// measured in the window's font; fixed rows count.
void AutoSizeGridColumns(QTableWidget* grid, const QWidget* window);

// Fits one column, or all (column < 0), to the widest text shown in it.
void LV_AutoSizeColumn(ReportListView* list, int column = -1);

// The row's text colour in every column, then that row selected (1-based position).
void ColorListRow(ReportListView* list, int position, const QColor& color);

// Alternate shading: first row in the first colour. Only for a list with rows.
void AlternateBackground(ReportListView* list, const QColor& first = QColor(255, 255, 240),
                         const QColor& second = QColor(238, 233, 191));

} // namespace qnr
