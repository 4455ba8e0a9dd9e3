#include "editor/LevelSetWindow.h"

#include "dialogs/PathText.h"
#include "render/GridPicture.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The grid area drawn by render/ at half its size.
constexpr int PictureWidth = (GridGeometry::GridRight - GridGeometry::GridLeft) / 2;
constexpr int PictureHeight = (GridGeometry::GridBottom - GridGeometry::GridTop) / 2;
constexpr int Margin = 6;
constexpr int CaptionHeight = 18;
constexpr int MarkWidth = 3;

QImage PictureOf(const SlotVerdict& slot) {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    if (slot.kind == SlotVerdict::Kind::Missing || slot.kind == SlotVerdict::Kind::Unreadable) {
        image.fill(QColor(200, 200, 200));
        return image;
    }
    const render::PixelBuffer level = render::RenderLevel(slot.grid, render::GridLinesShown, 1);
    const render::Canvas canvas{reinterpret_cast<render::Pixel*>(image.bits()), PictureWidth,
                                PictureHeight, image.bytesPerLine() / 4};
    render::StretchPicture(canvas, {0, 0, PictureWidth, PictureHeight}, level.View());
    return image;
}

// One level of the set: a button that paints the level's picture under its number and verdict.
// The open level's slot is framed, and says so to screen readers in its description.
class LevelSlot : public QAbstractButton {
public:
    LevelSlot(int level, LevelSetWindow* window)
        : QAbstractButton(window), Window(*window), Level(level) {
        setObjectName(QStringLiteral("slot%1").arg(level));
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(PictureWidth + 2 * Margin, CaptionHeight + PictureHeight + 2 * Margin);
    }

    void Show(const SlotVerdict& slot) {
        Verdict = QString::fromStdString(slot.Text());
        Failing = slot.kind != SlotVerdict::Kind::Ok && slot.kind != SlotVerdict::Kind::Warnings;
        Picture = PictureOf(slot);
        setAccessibleName(QStringLiteral("Level %1: %2").arg(slot.level).arg(Verdict));
        setToolTip(PathToQt(slot.path));
        update();
    }

    // Where the picture lies in the slot.
    static QRect PictureRect() {
        return {Margin, Margin + CaptionHeight, PictureWidth, PictureHeight};
    }

    void MarkOpen(bool open) {
        Open = open;
        setAccessibleDescription(open ? QStringLiteral("Open in the editor") : QString());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect caption(Margin, Margin, PictureWidth, CaptionHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                         Open ? QStringLiteral("L%1 (open)").arg(Level)
                              : QStringLiteral("L%1").arg(Level));
        if (Failing)
            painter.setPen(QColor(200, 0, 0));
        painter.drawText(caption, Qt::AlignRight | Qt::AlignVCenter, Verdict);
        painter.drawImage(PictureRect().topLeft(), Picture);
        if (Open) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), MarkWidth, Qt::SolidLine,
                                Qt::SquareCap, Qt::MiterJoin));
            painter.drawRect(PictureRect().adjusted(-2, -2, 1, 1));
        }
        // The style may hide the focus until a key moves it; a slot always shows it.
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        const int steps[][2] = {{Qt::Key_Left, -1},
                                {Qt::Key_Right, 1},
                                {Qt::Key_Up, -LevelSetWindow::Columns},
                                {Qt::Key_Down, LevelSetWindow::Columns}};
        for (const auto& [key, step] : steps)
            if (event->key() == key && event->modifiers() == Qt::NoModifier)
                return Window.FocusSlot(Level + step);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return click();
        QAbstractButton::keyPressEvent(event);
    }

private:
    LevelSetWindow& Window;
    const int Level;
    QString Verdict;
    bool Failing = false;
    bool Open = false;
    QImage Picture;
};

} // namespace

LevelSetWindow::LevelSetWindow(LevelSetModel& model, QWidget* editor)
    : CompanionWindow(QStringLiteral("Level Set"), Qt::Key_F3, editor), Model(model) {
    auto* layout = new QVBoxLayout(this);
    FolderLabel = new QLabel(this);
    FolderLabel->setObjectName(QStringLiteral("setFolder"));
    FolderLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(FolderLabel);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    for (int level = 1; level <= LevelSetSize; ++level) {
        auto* slot = new LevelSlot(level, this);
        Slots[level - 1] = slot;
        grid->addWidget(slot, (level - 1) / Columns, (level - 1) % Columns);
        connect(slot, &QAbstractButton::clicked, this, [this, level] { emit LevelChosen(level); });
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(&Model, &LevelSetModel::SlotsChanged, this, [this] { ShowSlots(false); });
    ShowSlots(true);
}

void LevelSetWindow::MarkOpenLevel(std::optional<int> level) {
    for (int index = 0; index < LevelSetSize; ++index)
        static_cast<LevelSlot*>(Slots[index])->MarkOpen(level == index + 1);
}

void LevelSetWindow::FocusSlot(int level) {
    if (level >= 1 && level <= LevelSetSize)
        Slots[level - 1]->setFocus(Qt::OtherFocusReason);
}

// Past the first showing, only the slots whose verdict or picture changed are drawn again.
void LevelSetWindow::ShowSlots(bool all) {
    const QString folder = PathToQt(Model.Folder());
    FolderLabel->setText(QStringLiteral("Folder: ") + folder);
    FolderLabel->setAccessibleName(QStringLiteral("Folder: ") + folder);
    for (int index = 0; index < LevelSetSize; ++index)
        if (all || Model.Verdicts().levels[index].changed)
            static_cast<LevelSlot*>(Slots[index])->Show(Model.Verdicts().levels[index]);
}

void LevelSetWindow::showEvent(QShowEvent* event) {
    Model.Follow(true);
    Model.Rescan();
    QWidget::showEvent(event);
}

void LevelSetWindow::hideEvent(QHideEvent* event) {
    Model.Follow(false);
    QWidget::hideEvent(event);
}
