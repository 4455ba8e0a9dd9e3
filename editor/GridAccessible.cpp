#include "editor/GridAccessible.h"

#include "editor/LevelView.h"
#include "editor/TilePicker.h"
#include "render/GridPicture.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

using namespace GridGeometry;

namespace {

constexpr int CellCount = GridColumns * GridRows;
// More changed cells than one row holds are announced as a change of the table's data.
constexpr std::size_t MostNamedChanges = GridColumns;

// Children in rows, as tables count them.
int IndexOfCell(Cell cell) {
    return cell.row * GridColumns + cell.column;
}

QString TileText(int tile) {
    return QString::fromStdString(TileName(tile));
}

QString ButtonText(Qt::MouseButton button) {
    return button == Qt::LeftButton ? QStringLiteral("Left button: %1")
                                    : QStringLiteral("Right button: %1");
}

// What an interface of a part of a widget, drawn by that widget, has in common: no object of
// its own, no children and no text to set.
class PartAccessible : public QAccessibleInterface {
public:
    explicit PartAccessible(QWidget* owner) : Owner(owner) {}
    bool isValid() const override { return !Owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Owner->window()->windowHandle(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    // A rectangle of the window's pixels on the screen.
    QRect OnScreen(const QRect& windowRect) const {
        return windowRect.translated(Owner->window()->mapToGlobal(QPoint(0, 0)));
    }
    QPointer<QWidget> Owner;
};

// Interfaces made once and kept in Qt's cache, as Qt's own tables keep theirs, and removed from
// it with the widget's own interface.
template <std::size_t Count> class KeptParts {
public:
    ~KeptParts() {
        for (const QAccessible::Id id : Ids)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }
    template <class Make> QAccessibleInterface* Get(std::size_t index, Make make) {
        if (Ids[index] == 0)
            Ids[index] = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(Ids[index]);
    }

private:
    std::array<QAccessible::Id, Count> Ids{};
};

class GridCellAccessible final : public PartAccessible, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(LevelView* view, Cell cell) : PartAccessible(view), Place(cell) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Owner);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return {};
        return QStringLiteral("%1, column %2, row %3")
            .arg(TileText(View()->Level().TileAt(Place)))
            .arg(Place.column)
            .arg(Place.row);
    }
    QRect rect() const override {
        return OnScreen(QRect(CellLeft(Place.column) + 1, CellTop(Place.row) + 1, CellImageSize,
                              CellImageSize));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = View()->hasFocus() && View()->CursorCell() == Place;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Place.column; }
    int rowIndex() const override { return Place.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    LevelView* View() const { return static_cast<LevelView*>(Owner.data()); }
    const Cell Place;
};

class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(LevelView* view) : QAccessibleWidget(view, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= CellCount)
            return nullptr;
        return Cells.Get(index, [&] {
            return new GridCellAccessible(View(), {index % GridColumns, index / GridColumns});
        });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell && child->parent() == this
                   ? IndexOfCell({cell->columnIndex(), cell->rowIndex()})
                   : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = View()->mapFromGlobal(QPoint(x, y));
        if (!View()->rect().contains(point))
            return nullptr;
        return cellAt(std::min(point.y() / CellPitch, GridRows - 1),
                      std::min(point.x() / CellPitch, GridColumns - 1));
    }
    QAccessibleInterface* focusChild() const override {
        return View()->hasFocus() ? child(IndexOfCell(View()->CursorCell())) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= GridRows || column < 0 || column >= GridColumns)
            return nullptr;
        return child(IndexOfCell({column, row}));
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return GridColumns; }
    int rowCount() const override { return GridRows; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    LevelView* View() const { return static_cast<LevelView*>(widget()); }
    mutable KeptParts<CellCount> Cells;
};

// The palette list (slot -1 and no button), one of its items (a slot) or a swatch (a button).
class PickerPartAccessible final : public PartAccessible {
public:
    PickerPartAccessible(TilePicker* picker, int slot, Qt::MouseButton button)
        : PartAccessible(picker), Slot(slot), Button(button) {}

    QAccessibleInterface* parent() const override {
        QAccessibleInterface* picker = QAccessible::queryAccessibleInterface(Owner);
        return IsItem() ? picker->child(0) : picker;
    }
    int childCount() const override { return IsList() ? TileCount : 0; }
    QAccessibleInterface* child(int index) const override {
        if (!IsList() || index < 0 || index >= TileCount)
            return nullptr;
        return Items.Get(index, [&] { return new PickerPartAccessible(Picker(), index, {}); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index)
            if (this->child(index) == child)
                return index;
        return -1;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return {};
        if (IsList())
            return QStringLiteral("Palette");
        return IsItem() ? TileText(Slot) : ButtonText(Button).arg(TileText(Picker()->Tile(Button)));
    }
    QRect rect() const override {
        if (!IsList())
            return OnScreen(IsItem() ? TilePicker::SlotFrame(Slot)
                                     : TilePicker::SwatchFrame(Button));
        QRect list;
        for (int slot = 0; slot < TileCount; ++slot)
            list |= TilePicker::SlotFrame(slot);
        return OnScreen(list);
    }
    QAccessible::Role role() const override {
        return IsList()   ? QAccessible::List
               : IsItem() ? QAccessible::ListItem
                          : QAccessible::Graphic;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = IsItem();
        state.selected = IsItem() && Picker()->Tile(Qt::LeftButton) == Slot;
        return state;
    }

private:
    bool IsList() const { return Slot < 0 && Button == Qt::NoButton; }
    bool IsItem() const { return Slot >= 0; }
    TilePicker* Picker() const { return static_cast<TilePicker*>(Owner.data()); }
    const int Slot;
    const Qt::MouseButton Button;
    mutable KeptParts<TileCount> Items;
};

// The picker's parts: the palette list, the left button's swatch and the right button's.
class PickerAccessible final : public QAccessibleWidget {
public:
    explicit PickerAccessible(TilePicker* picker)
        : QAccessibleWidget(picker, QAccessible::Grouping) {}
    int childCount() const override { return 3; }
    QAccessibleInterface* child(int index) const override {
        static constexpr Qt::MouseButton buttons[] = {Qt::NoButton, Qt::LeftButton,
                                                      Qt::RightButton};
        if (index < 0 || index >= childCount())
            return nullptr;
        return Parts.Get(index, [&] {
            return new PickerPartAccessible(static_cast<TilePicker*>(widget()), -1, buttons[index]);
        });
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index)
            if (this->child(index) == child)
                return index;
        return -1;
    }

private:
    mutable KeptParts<3> Parts;
};

QAccessibleInterface* MakeEditorInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("LevelView"))
        return new GridAccessible(static_cast<LevelView*>(object));
    if (className == QLatin1String("TilePicker"))
        return new PickerAccessible(static_cast<TilePicker*>(object));
    return nullptr;
}

AccessibilityReceiver Receiver = nullptr;

// Whether anyone would hear an announcement: the cell interfaces it names are made only then.
bool Heard() {
    return Receiver || QAccessible::isActive();
}

void Send(QAccessibleEvent&& event) {
    if (Receiver)
        Receiver(&event);
    else
        QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallEditorAccessibility() {
    QAccessible::removeFactory(MakeEditorInterface);
    QAccessible::installFactory(MakeEditorInterface);
}

void ReceiveAccessibilityEvents(AccessibilityReceiver receiver) {
    Receiver = receiver;
}

void AnnounceCursor(LevelView* view) {
    if (!Heard())
        return;
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(IndexOfCell(view->CursorCell()));
    Send(std::move(focus));
}

void AnnounceChangedCells(LevelView* view, const std::vector<Cell>& cells) {
    if (!Heard() || cells.empty())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    if (cells.size() <= MostNamedChanges) {
        for (const Cell cell : cells)
            Send(QAccessibleEvent(table->child(IndexOfCell(cell)), QAccessible::NameChanged));
        return;
    }
    QAccessibleTableModelChangeEvent change(view, QAccessibleTableModelChangeEvent::DataChanged);
    change.setFirstRow(0);
    change.setLastRow(GridRows - 1);
    change.setFirstColumn(0);
    change.setLastColumn(GridColumns - 1);
    Send(std::move(change));
}

void AnnounceButtonTile(TilePicker* picker, Qt::MouseButton button) {
    if (!Heard())
        return;
    QAccessibleInterface* parts = QAccessible::queryAccessibleInterface(picker);
    Send(
        QAccessibleEvent(parts->child(button == Qt::LeftButton ? 1 : 2), QAccessible::NameChanged));
    if (button != Qt::LeftButton)
        return;
    Send(QAccessibleEvent(parts->child(0)->child(picker->Tile(Qt::LeftButton)),
                          QAccessible::Selection));
}
