#pragma once
// A report list of the main window: a QTreeWidget in details view, holding
// each cell's GBK bytes beside the text it shows, so that what the handlers
// read back is exactly what they wrote.

#include <QTreeWidget>
#include <string>
#include <unordered_map>

#include "app/controls.h"

namespace tesmira::ui {

struct ListColumn {
    QString title;
    int width;
    Qt::Alignment alignment;
};

class OrderListControl final : public OrderList {
public:
    OrderListControl(QTreeWidget& view, std::initializer_list<ListColumn> columns);

    int rowCount() const override;
    std::string cellText(int row, int column) const override;
    void setCellText(int row, int column, std::string_view text) override;
    int findRow(std::string_view text) const override;
    int insertRow(int index, std::string_view text) override;
    void deleteRow(int row) override;
    int currentRow() const override;
    std::vector<int> selectedRows() const override;
    void sortRows(int column,
                  const std::function<bool(std::string_view, std::string_view)>& isBefore) override;
    void setVisible(bool visible) override;

    QTreeWidget& view() { return view_; }

private:
    QTreeWidget& view_;
    int columns_;
    // Rows by their first column, so that a search for an absent order (every
    // order of a query that brings new ones) costs no scan of the list.
    std::unordered_multimap<std::string, QTreeWidgetItem*> byOrderId_;

    void forget(QTreeWidgetItem* item);
};

}  // namespace tesmira::ui
