#pragma once
// The "Level Analysis" window beside the editor: how fair the level being edited is to its
// players, worked out by level/'s analysis whenever the level changes while the window shows.
// One row per placed start and the spread row, the four symmetry shares, the findings at their
// cells, the brick cost that the paths count with, and the paint mirror. Choosing a finding
// (a click, or Enter) tells the editor which cell to show. It does not block the editor; Escape
// or F2 in it, or its close box, closes it.
#include "editor/CompanionWindow.h"
#include "editor/DocumentSession.h"
#include "level/LevelAnalysis.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QSpinBox;
class QTableWidget;

class AnalysisWindow : public CompanionWindow {
    Q_OBJECT

public:
    AnalysisWindow(const DocumentSession& session, QWidget* editor);

signals:
    // A finding at this cell was chosen.
    void FindingChosen(Cell cell);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void ShowStarts(const LevelAnalysis& analysis);
    void ShowShares(const LevelAnalysis& analysis);
    void ShowFindings(const LevelAnalysis& analysis);
    void ShowMirror();
    void ChooseFinding(const QListWidgetItem* item);

    const DocumentSession& Session;
    QTableWidget* Starts = nullptr;
    QTableWidget* Shares = nullptr;
    QListWidget* Findings = nullptr;
    QSpinBox* BrickCost = nullptr;
    QLabel* MirrorLabel = nullptr;
};
