#pragma once
// The level being edited together with its history: the one place that changes the level,
// records each user action as one command of an undo stack, and decides whether the level has
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

    // The level; its IsModified() is this session's.
    const LevelDocument& Document() const { return Level; }

    // A stroke: everything painted between these two is one step. Beginning one ends the one
    // still open.
    void BeginStroke();
    void EndStroke();
    bool StrokeOpen() const { return Stroke.has_value(); }
    // Paints tile at target, and at its images under the paint mirror (see PlaceTileEdit).
    void PlaceTile(Cell target, TileType tile);

    // The mirror that every placed tile follows; off at the start. No step of the history.
    MirrorMode PaintMirror() const { return Mirroring; }
    void SetPaintMirror(MirrorMode mirror);

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
    // The level as it stands reached its file. In the middle of a stroke the stroke up to there
    // becomes a step first, so that the history holds the state saved.
    void MarkSaved();

    bool CanUndo() const { return History.canUndo(); }
    bool CanRedo() const { return History.canRedo(); }
    void Undo();
    void Redo();

    // Whether the level has changes that its file lacks.
    bool IsModified() const;

signals:
    // The cells whose tiles an edit, undo, redo or another level changed.
    void CellsChanged(const std::vector<Cell>& cells);
    // The file that the level belongs to may have changed.
    void PathChanged();
    // Anything about the level changed: cells, player starts, its file or whether it is
    // modified.
    void DocumentChanged();
    // The paint mirror changed.
    void PaintMirrorChanged();

private:
    class EditCommand;
    class PaintCommand;
    class FillFloorCommand;
    class ClearFloorCommand;

    struct OpenStroke {
        int id;
        bool placed; // a tile was placed, whether or not it changed the cell
    };

    template <class Action> void BetweenStrokeParts(Action action);
    template <class Command> void Record(LevelEdit edit);
    void Push(EditCommand* command);
    void NoteUnchangedEdit();
    void StartHistory();
    void Announce(const std::vector<Cell>& cells);

    // The level, whose Modified is the session's to decide.
    class SessionLevel : public LevelDocument {
    public:
        explicit SessionLevel(const DocumentSession& session) : Session(session) {}
        bool IsModified() const override { return Session.IsModified(); }

    private:
        const DocumentSession& Session;
    };

    SessionLevel Level{*this};
    QUndoStack History;
    std::vector<Cell> Visited; // by the command that the stack last ran
    std::optional<OpenStroke> Stroke;
    MirrorMode Mirroring;
    int Strokes = 0;
    // How many steps above the clean state an edit that changed no tile left the level, or -1:
    // that state counts as modified until the next save.
    int UnchangedEditAbove = -1;
};
