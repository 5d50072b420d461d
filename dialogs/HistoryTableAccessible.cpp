// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTableAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>

namespace {

// Marks the holder of a table and the labels in it.
constexpr const char* TableGridProperty = "voltaroTableGrid";

QGridLayout* GridOf(const QObject* holder) {
  return holder->property(TableGridProperty).value<QGridLayout*>();
}

// A label's place in its holder's grid, the header row being row 0.
struct GridPlace {
  int row = -1;
  int column = -1;
};

GridPlace PlaceOf(const QWidget& label) {
  const QWidget* holder = label.parentWidget();
  QGridLayout* grid = holder != nullptr ? GridOf(holder) : nullptr;
  GridPlace place;
  if (grid == nullptr) return place;
  const int index = grid->indexOf(&label);
  int rowSpan = 0;
  int columnSpan = 0;
  if (index >= 0) grid->getItemPosition(index, &place.row, &place.column, &rowSpan, &columnSpan);
  return place;
}

QWidget* WidgetAt(const QWidget& holder, int row, int column) {
  QGridLayout* grid = GridOf(&holder);
  if (grid == nullptr || row < 0 || column < 0) return nullptr;
  if (row >= grid->rowCount() || column >= grid->columnCount()) return nullptr;
  QLayoutItem* item = grid->itemAtPosition(row, column);
  return item != nullptr ? item->widget() : nullptr;
}

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TableAccessible(QWidget* holder) : QAccessibleWidget(holder, QAccessible::Table) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // Rows below the header row, and the columns of the header row.
  int rowCount() const override {
    int rows = 0;
    while (WidgetAt(*widget(), rows + 1, 0) != nullptr) ++rows;
    return rows;
  }
  int columnCount() const override {
    int columns = 0;
    while (WidgetAt(*widget(), 0, columns) != nullptr) ++columns;
    return columns;
  }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row >= rowCount() || column >= columnCount()) return nullptr;
    QWidget* cell = WidgetAt(*widget(), row + 1, column);
    return cell != nullptr ? QAccessible::queryAccessibleInterface(cell) : nullptr;
  }
  QString columnDescription(int column) const override {
    const auto* heading = qobject_cast<QLabel*>(WidgetAt(*widget(), 0, column));
    return heading != nullptr ? heading->text() : QString();
  }
  QString rowDescription(int) const override { return {}; }
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }

  // Nothing in the table can be selected: it is read, not picked from.
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

class CellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  explicit CellAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Cell) {}

  // Looked up each time: a label may be queried before it is in the grid.
  QAccessible::Role role() const override {
    return PlaceOf(*widget()).row == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The label's text on one line, or the name given to a picture.
  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    return static_cast<const QLabel*>(widget())->text().replace(u'\n', u' ');
  }

  int rowIndex() const override { return PlaceOf(*widget()).row - 1; }
  int columnIndex() const override { return PlaceOf(*widget()).column; }
  int rowExtent() const override { return 1; }
  int columnExtent() const override { return 1; }
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QWidget* heading = WidgetAt(*widget()->parentWidget(), 0, columnIndex());
    if (heading == nullptr || heading == widget()) return {};
    return {QAccessible::queryAccessibleInterface(heading)};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  QAccessibleInterface* table() const override {
    return QAccessible::queryAccessibleInterface(widget()->parentWidget());
  }
};

QAccessibleInterface* TableParts(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (GridOf(widget) != nullptr) return new TableAccessible(widget);
  auto* label = qobject_cast<QLabel*>(widget);
  if (label != nullptr && label->parentWidget() != nullptr && GridOf(label->parentWidget()))
    return new CellAccessible(label);
  return nullptr;
}

}  // namespace

void ReadGridAsTable(QWidget& holder, QGridLayout& grid) {
  static const bool installed = [] {
    QAccessible::installFactory(TableParts);
    return true;
  }();
  (void)installed;
  holder.setProperty(TableGridProperty, QVariant::fromValue(&grid));
  // A widget that reported a change while it was being built may already have
  // a plain accessible interface; replace it with the table's.
  QList<QWidget*> parts = holder.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  parts.prepend(&holder);
  for (QWidget* part : parts) {
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(part);
    if (current == nullptr || current->tableInterface() != nullptr ||
        current->tableCellInterface() != nullptr)
      continue;
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
    QAccessible::queryAccessibleInterface(part);
  }
}
