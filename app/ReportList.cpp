#include "ReportList.h"

#include <algorithm>
#include <QHeaderView>

namespace qnr {

void ReportListModel::setColumns(std::vector<ReportColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

void ReportListModel::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

void ReportListModel::appendRows(std::vector<ReportRow> rows)
{
    if (rows.empty())
        return;
    if (m_rows.empty()) {
        // Filling an empty list: a reset is cheaper for the views than an insertion.
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
        return;
    }
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
}

void ReportListModel::appendRow(ReportRow row)
{
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void ReportListModel::removeRow(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

QString ReportListModel::text(int row, int column) const
{
    const QStringList& cells = m_rows[size_t(row)].cells;
    return column < cells.size() ? cells[column] : QString();
}

void ReportListModel::setRowColor(int row, const QColor& color)
{
    m_rows[size_t(row)].color = color;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::ForegroundRole});
}

void ReportListModel::setCellColor(int row, int column, const QColor& color)
{
    std::vector<QColor>& colors = m_rows[size_t(row)].cellColors;
    if (int(colors.size()) <= column)
        colors.resize(size_t(column) + 1);
    colors[size_t(column)] = color;
    Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::ForegroundRole});
}

int ReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const ReportRow& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return index.column() < row.cells.size() ? row.cells[index.column()] : QString();
    case Qt::ForegroundRole: {
        if (size_t(index.column()) < row.cellColors.size() && row.cellColors[size_t(index.column())].isValid())
            return row.cellColors[size_t(index.column())];
        return row.color.isValid() ? QVariant(row.color) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return index.column() < int(m_columns.size()) ? QVariant(int(m_columns[size_t(index.column())].alignment))
                                                      : QVariant();
    case TagRole:
        return row.tag;
    default:
        return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[size_t(section)].header;
    if (role == Qt::TextAlignmentRole)
        return int(m_columns[size_t(section)].alignment);
    return {};
}

void ReportListModel::sort(int column, Qt::SortOrder order)
{
    Q_EMIT layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const ReportRow& a, const ReportRow& b) {
        const QString left = column < a.cells.size() ? a.cells[column] : QString();
        const QString right = column < b.cells.size() ? b.cells[column] : QString();
        const int c = QString::localeAwareCompare(left, right);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    Q_EMIT layoutChanged();
}

ReportListView::ReportListView(QWidget* parent)
    : QTableView(parent)
    , m_model(new ReportListModel(this))
{
    setModel(m_model);
    // A table without grid and row numbers reads as a report list and, unlike a
    // tree, needs no per-row layout when 100,000 rows arrive.
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(1); // hidden key columns are 0.001 of the width
    header()->setSectionsMovable(false);
    connect(header(), &QHeaderView::sectionResized, this, [this] {
        if (!m_applyingWidths)
            m_userSized = true;
    });
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) { Q_EMIT rowClicked(index.row()); });
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT rowDoubleClicked(index.row()); });
}

void ReportListView::setColumns(const std::vector<ReportColumn>& columns)
{
    m_model->setColumns(columns);
    m_userSized = false;
    applyWidths();
}

void ReportListView::applyWidths()
{
    m_applyingWidths = true;
    const int total = std::max(viewport()->width(), 100);
    const std::vector<ReportColumn>& columns = m_model->columns();
    for (int i = 0; i < int(columns.size()); ++i)
        header()->resizeSection(i, std::max(1, int(total * columns[size_t(i)].widthFraction)));
    m_applyingWidths = false;
}

void ReportListView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (!m_userSized)
        applyWidths();
}

void ReportListView::setSortingAllowed(bool allowed)
{
    setSortingEnabled(allowed);
    if (!allowed)
        header()->setSortIndicatorShown(false);
}

void ReportListView::fill(int count, const std::function<ReportRow(int)>& makeRow,
                          const std::function<void(int, int)>& progress, int step)
{
    std::vector<ReportRow> rows;
    rows.reserve(size_t(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        rows.push_back(makeRow(i));
        if (progress && step > 0 && (i + 1) % step == 0)
            progress(i + 1, count);
    }
    m_model->appendRows(std::move(rows));
    if (progress)
        progress(count, count);
}

int ReportListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ReportListView::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    setCurrentIndex(index);
}

} // namespace qnr
