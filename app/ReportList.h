#pragma once

#include <functional>
#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QTableView>
#include <QVariant>
#include <vector>

namespace qnr {

// One line of a report list: its cells as plain text, a tag, and text colours.
struct ReportRow {
    QStringList cells;
    QVariant tag;
    QColor color;                   // whole row; invalid for the default colour
    std::vector<QColor> cellColors; // per cell, overriding the row colour; may be empty
};

struct ReportColumn {
    QString header;
    double widthFraction = 0.1; // of the list's width when the columns are made
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// The rows of a report list, held as plain data.
class ReportListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int TagRole = Qt::UserRole + 1;

    void setColumns(std::vector<ReportColumn> columns);
    const std::vector<ReportColumn>& columns() const { return m_columns; }

    void clear();
    // Appends in one step: views repaint once, not per row.
    void appendRows(std::vector<ReportRow> rows);
    void appendRow(ReportRow row);
    void removeRow(int row);

    const ReportRow& rowAt(int row) const { return m_rows[size_t(row)]; }
    ReportRow& rowAt(int row) { return m_rows[size_t(row)]; }
    QString text(int row, int column) const;
    QVariant tag(int row) const { return m_rows[size_t(row)].tag; }
    void setRowColor(int row, const QColor& color);
    void setCellColor(int row, int column, const QColor& color);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    std::vector<ReportColumn> m_columns;
    std::vector<ReportRow> m_rows;
};

// The list view the working windows use for their reports: columns made in code
// with widths as fractions of the list's width, one model holding the rows,
// sorting off unless asked for, optional alternate shading.
class ReportListView : public QTableView {
    Q_OBJECT
public:
    explicit ReportListView(QWidget* parent = nullptr);

    ReportListModel* listModel() const { return m_model; }
    QHeaderView* header() const { return horizontalHeader(); }

    // Headers "-" make the hidden key columns (0.001 of the width).
    void setColumns(const std::vector<ReportColumn>& columns);
    void setSortingAllowed(bool allowed);

    // Fills the list from rows made by `makeRow` for i in [0, count), reporting
    // progress every `step` rows (value, maximum).
    void fill(int count, const std::function<ReportRow(int)>& makeRow,
              const std::function<void(int, int)>& progress = {}, int step = 500);

    int selectedRow() const;
    void selectRow(int row);

Q_SIGNALS:
    void rowClicked(int row);
    void rowDoubleClicked(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyWidths();

    ReportListModel* m_model;
    // Columns follow the list's width until the user sizes one by hand.
    bool m_applyingWidths = false;
    bool m_userSized = false;
};

} // namespace qnr
