#pragma once
// The "Level Set" window beside the editor: the ten levels of the set in two rows of five, each
// with its picture, its number and its verdict, the open level's slot marked (also in its
// accessible description). A click or Enter on a slot asks the editor to open that level; the arrow
// keys move between the slots; F3 and Escape close the window. It shows the model, which follows
// the disk while the window is shown.
#include "editor/CompanionWindow.h"
#include "editor/LevelSetModel.h"

#include <array>
#include <optional>

class QAbstractButton;
class QLabel;

class LevelSetWindow : public CompanionWindow {
    Q_OBJECT

public:
    static constexpr int Columns = 5;

    LevelSetWindow(LevelSetModel& model, QWidget* editor);

    // Marks the slot of the level open in the editor, or none.
    void MarkOpenLevel(std::optional<int> level);
    // Gives the keyboard focus to the slot of level, when there is one (1..10).
    void FocusSlot(int level);

signals:
    void LevelChosen(int level);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowSlots(bool all);

    LevelSetModel& Model;
    QLabel* FolderLabel = nullptr;
    std::array<QAbstractButton*, LevelSetSize> Slots{};
};
