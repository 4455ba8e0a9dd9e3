#pragma once
// The level being edited together with its history: the one place that changes the level,
// records each change as a step that undo and redo replay, and decides whether the level has
// unsaved changes. It announces every change, so that the window draws the cells it is told
// about and the recovery file follows the level.
#include "level/LevelDocument.h"

#include <QObject>
#include <QUndoStack>
#include <optional>
#include <string>
#include <vector>

class DocumentSession : public QObject {
    Q_OBJECT

public:
    DocumentSession();

    const LevelDocument& Document() const { return Level; }

    // A stroke: everything painted between these two is one step. Beginning one ends the one
    // still open.
    void BeginStroke();
    void EndStroke();
    bool StrokeOpen() const { return Stroke.has_value(); }
    void PlaceTile(Cell target, TileType tile);

    // Grid commands, each one step. In the middle of a stroke the stroke up to there becomes a
    // step first, and the rest of it a step of its own. Fill Floor tells whether the level had
    // a floor cell to fill.
    bool FillFloor(TileType tile);
    void ClearFloor();

    // Another level in the grid's place, with a fresh history; a stroke in progress goes on
    // over it as a step of that history.
    void StartNew();
    // What a file read starts from: the current cells, with no player placed.
    LevelState FileReadBase() const { return Level.FileReadBase(); }
    void TakeFileRead(const std::string& path, const LevelState& read);
    // Opens a level as it is given; one opened modified stays modified in every state of its
    // history until it is saved.
    void Open(const LevelDocument& document);

    void SetPath(const std::string& path);
    // The level as it stands reached its file: this state is unmodified, every other modified.
    void MarkSaved();

    bool CanUndo() const { return History.canUndo(); }
    bool CanRedo() const { return History.canRedo(); }
    void Undo();
    void Redo();

signals:
    // The cells whose tiles an edit, undo, redo or another level changed.
    void CellsChanged(const std::vector<Cell>& cells);
    // The file that the level belongs to may have changed.
    void PathChanged();
    // Anything about the level changed: cells, player starts, its file or whether it is
    // modified.
    void DocumentChanged();

private:
    class Step;

    // The level as it was when a stroke or command began, and whether it was modified then.
    struct Origin {
        LevelState level;
        bool modified;
    };
    // Whether a state of the history was modified when the level was last in it, and the
    // saves and reads that had happened by then.
    struct RememberedFlag {
        bool modified;
        int savedMark;
    };

    Origin Here() const { return {Level.State(), Level.IsModified()}; }
    RememberedFlag Remember() const { return {Level.IsModified(), SavedMark}; }
    void RecordStep(const Origin& origin);
    template <class Command> bool ApplyCommand(Command command);
    void StartHistory();
    void Announce(const std::vector<Cell>& cells);
    void ArriveByStep(const std::vector<Cell>& cells, const RememberedFlag& flag, int index);

    LevelDocument Level;
    QUndoStack History;
    std::optional<Origin> Stroke;
    // Counts saves and reads: a flag that a step remembers from before the last of them no
    // longer holds.
    int SavedMark = 0;
};
