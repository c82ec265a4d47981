#include "ui/order_list_control.h"

#include <QHeaderView>
#include <algorithm>

#include "ui/gbk_qt.h"

namespace tesmira::ui {
namespace {

constexpr int bytesRole = Qt::UserRole;

std::string bytesOf(const QTreeWidgetItem* item, int column) {
    const QByteArray bytes = item->data(column, bytesRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void putBytes(QTreeWidgetItem* item, int column, std::string_view text) {
    item->setData(column, bytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    item->setText(column, fromGbk(text));
}

}  // namespace

OrderListControl::OrderListControl(QTreeWidget& view, std::initializer_list<ListColumn> columns)
    : view_(view), columns_(static_cast<int>(columns.size())) {
    view_.setColumnCount(columns_);
    view_.setRootIsDecorated(false);
    view_.setUniformRowHeights(true);
    view_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_.setSelectionBehavior(QAbstractItemView::SelectRows);
    view_.setSortingEnabled(false);
    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    auto* header = new QTreeWidgetItem;
    int index = 0;
    for (const ListColumn& column : columns) {
        header->setText(index, column.title);
        header->setTextAlignment(index, column.alignment);
        view_.setColumnWidth(index, column.width);
        ++index;
    }
    view_.setHeaderItem(header);
    view_.header()->setStretchLastSection(false);
    view_.header()->setSectionsMovable(false);
}

int OrderListControl::rowCount() const {
    return view_.topLevelItemCount();
}

std::string OrderListControl::cellText(int row, int column) const {
    const QTreeWidgetItem* item = view_.topLevelItem(row);
    if (item == nullptr || column < 0 || column >= columns_)
        return {};
    return bytesOf(item, column);
}

void OrderListControl::setCellText(int row, int column, std::string_view text) {
    QTreeWidgetItem* item = view_.topLevelItem(row);
    if (item == nullptr || column < 0 || column >= columns_)
        return;
    if (column == 0) {
        forget(item);
        byOrderId_.emplace(std::string(text), item);
    }
    putBytes(item, column, text);
}

int OrderListControl::findRow(std::string_view text) const {
    const auto [first, last] = byOrderId_.equal_range(std::string(text));
    int found = -1;
    for (auto it = first; it != last; ++it) {
        const int row = view_.indexOfTopLevelItem(it->second);
        if (found == -1 || row < found)
            found = row;
    }
    return found;
}

int OrderListControl::insertRow(int index, std::string_view text) {
    index = std::clamp(index, 0, rowCount());
    auto* item = new QTreeWidgetItem;
    for (int column = 0; column < columns_; ++column)
        putBytes(item, column, "");
    putBytes(item, 0, text);
    view_.insertTopLevelItem(index, item);
    byOrderId_.emplace(std::string(text), item);
    return index;
}

void OrderListControl::deleteRow(int row) {
    QTreeWidgetItem* item = view_.topLevelItem(row);
    if (item == nullptr)
        return;
    forget(item);
    delete view_.takeTopLevelItem(row);
}

int OrderListControl::currentRow() const {
    QTreeWidgetItem* current = view_.currentItem();
    if (current != nullptr && current->isSelected())
        return view_.indexOfTopLevelItem(current);
    const std::vector<int> selected = selectedRows();
    return selected.empty() ? -1 : selected.front();
}

std::vector<int> OrderListControl::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_.selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void OrderListControl::sortRows(
    int column, const std::function<bool(std::string_view, std::string_view)>& isBefore) {
    struct Row {
        std::string key;
        QTreeWidgetItem* item;
        bool selected;
    };
    std::vector<Row> rows;
    QTreeWidgetItem* current = view_.currentItem();
    for (int row = 0; row < view_.topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = view_.topLevelItem(row);
        rows.push_back({bytesOf(item, column), item, item->isSelected()});
    }
    view_.invisibleRootItem()->takeChildren();
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Row& a, const Row& b) { return isBefore(a.key, b.key); });
    QList<QTreeWidgetItem*> items;
    for (const Row& row : rows)
        items.append(row.item);
    view_.addTopLevelItems(items);
    for (const Row& row : rows)
        row.item->setSelected(row.selected);
    if (current != nullptr)
        view_.setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
}

void OrderListControl::setVisible(bool visible) {
    view_.setVisible(visible);
}

void OrderListControl::forget(QTreeWidgetItem* item) {
    const std::string key = bytesOf(item, 0);
    const auto [first, last] = byOrderId_.equal_range(key);
    for (auto it = first; it != last; ++it) {
        if (it->second == item) {
            byOrderId_.erase(it);
            return;
        }
    }
}

}  // namespace tesmira::ui
