// Each stroke, Fill Floor and Clear Floor that changed the level is one command on the undo
// stack, holding the cells it visits and the player starts on both sides; a stroke grows by
// merging the paint of each cell into its command. Modified follows from where the stack stands
// against its clean state, the state the file holds.
#include "editor/DocumentSession.h"

#include <QUndoCommand>
#include <type_traits>
#include <utility>

namespace {

constexpr int HistoryDepth = 10000;
constexpr int PaintCommandId = 1;

} // namespace

class DocumentSession::EditCommand : public QUndoCommand {
public:
    EditCommand(DocumentSession& session, LevelEdit edit, const QString& text)
        : Session(session), Edit(std::move(edit)) {
        setText(text);
    }
    void redo() override { Session.Visited = Session.Level.Apply(Edit); }
    void undo() override { Session.Visited = Session.Level.Revert(Edit); }

protected:
    DocumentSession& Session;
    LevelEdit Edit;
};

class DocumentSession::PaintCommand final : public EditCommand {
public:
    PaintCommand(DocumentSession& session, LevelEdit edit, int stroke)
        : EditCommand(session, std::move(edit), QStringLiteral("Paint")), Stroke(stroke) {}
    int id() const override { return PaintCommandId; }
    // The cells that the same stroke paints next join it; a stroke that has put every cell
    // back as it found it is no step any more.
    bool mergeWith(const QUndoCommand* other) override {
        const auto& next = static_cast<const PaintCommand&>(*other);
        if (Stroke == 0 || next.Stroke != Stroke)
            return false;
        Edit.Then(next.Edit);
        setObsolete(!Edit.ChangesSomething());
        return true;
    }

    const int Stroke; // 0 for a tile placed outside a stroke
};

class DocumentSession::FillFloorCommand final : public EditCommand {
public:
    FillFloorCommand(DocumentSession& session, LevelEdit edit)
        : EditCommand(session, std::move(edit), QStringLiteral("Fill Floor")) {}
};

class DocumentSession::ClearFloorCommand final : public EditCommand {
public:
    ClearFloorCommand(DocumentSession& session, LevelEdit edit)
        : EditCommand(session, std::move(edit), QStringLiteral("Clear Floor")) {}
};

// The stack runs a command before it moves; the cells it visited are announced once it has,
// so that whoever listens reads Modified from where it stands.
DocumentSession::DocumentSession() {
    StartHistory();
    connect(&History, &QUndoStack::indexChanged, this, [this] {
        if (!Visited.empty())
            Announce(std::exchange(Visited, {}));
    });
}

// The state at the stack's clean index is the one its file holds (or, after a read, was read
// from); every other state is modified, but for two rules. Clear Floor keeps the flag it found,
// so the states that Clear Floor steps lead to from the clean state are unmodified too. A
// stroke or a Fill Floor that changed no tile still marks the level modified: the state it
// left as it was, and the Clear Floor steps above it, stay so until the next save.
bool DocumentSession::IsModified() const {
    if (Stroke && Stroke->placed)
        return true;
    const int clean = History.cleanIndex();
    const int index = History.index();
    if (clean < 0 || index < clean)
        return true;
    if (UnchangedEditAbove >= 0 && clean + UnchangedEditAbove <= index)
        return true;
    for (int state = index; state > clean; --state)
        if (!dynamic_cast<const ClearFloorCommand*>(History.command(state - 1)))
            return true;
    return false;
}

void DocumentSession::BeginStroke() {
    EndStroke();
    Stroke = OpenStroke{++Strokes, false};
}

void DocumentSession::EndStroke() {
    if (!Stroke)
        return;
    const OpenStroke ended = *std::exchange(Stroke, std::nullopt);
    const auto* last = dynamic_cast<const PaintCommand*>(History.command(History.index() - 1));
    if (ended.placed && !(last && last->Stroke == ended.id))
        NoteUnchangedEdit();
}

void DocumentSession::PlaceTile(Cell target, TileType tile) {
    LevelEdit edit = PlaceTileEdit(Level.State(), target, tile, Mirroring);
    if (Stroke)
        Stroke->placed = true;
    if (edit.ChangesSomething()) {
        Push(new PaintCommand(*this, std::move(edit), Stroke ? Stroke->id : 0));
        return;
    }
    if (!Stroke)
        NoteUnchangedEdit();
    Announce(edit.Cells());
}

void DocumentSession::SetPaintMirror(MirrorMode mirror) {
    Mirroring = mirror;
    emit PaintMirrorChanged();
}

bool DocumentSession::FillFloor(TileType tile) {
    LevelEdit edit = FillFloorEdit(Level.State(), tile);
    const bool filled = !edit.cells.empty();
    Record<FillFloorCommand>(std::move(edit));
    return filled;
}

void DocumentSession::ClearFloor() {
    Record<ClearFloorCommand>(ClearInsideEdit(Level.State()));
}

void DocumentSession::StartNew() {
    const std::vector<Cell> cells = Level.StartNew();
    StartHistory();
    emit PathChanged();
    Announce(cells);
}

void DocumentSession::TakeFileRead(const std::string& path, const LevelState& read) {
    const std::vector<Cell> cells = Level.Replace(path, read);
    StartHistory();
    emit PathChanged();
    Announce(cells);
}

void DocumentSession::Open(const LevelDocument& document) {
    const bool modified = document.IsModified();
    Level.Replace(document.Path(), document.State());
    StartHistory();
    if (modified)
        History.resetClean();
    emit PathChanged();
    Announce(AllCells());
}

void DocumentSession::SetPath(const std::string& path) {
    Level.SetPath(path);
    emit PathChanged();
    emit DocumentChanged();
}

void DocumentSession::MarkSaved() {
    BetweenStrokeParts([this] {
        History.setClean();
        UnchangedEditAbove = -1;
    });
    emit DocumentChanged();
}

void DocumentSession::Undo() {
    if (CanUndo())
        History.undo();
}

void DocumentSession::Redo() {
    if (CanRedo())
        History.redo();
}

// A stroke in progress ends before the action and goes on after it as a stroke of its own.
template <class Action> void DocumentSession::BetweenStrokeParts(Action action) {
    const bool stroking = StrokeOpen();
    EndStroke();
    action();
    if (stroking)
        BeginStroke();
}

// A grid command that changed no tile is no step; only Clear Floor keeps the flag then too.
template <class Command> void DocumentSession::Record(LevelEdit edit) {
    BetweenStrokeParts([&] {
        if (edit.ChangesSomething()) {
            Push(new Command(*this, std::move(edit)));
            return;
        }
        if (edit.cells.empty())
            return;
        if (!std::is_same_v<Command, ClearFloorCommand>)
            NoteUnchangedEdit();
        Announce(edit.Cells());
    });
}

// The stack drops the states above the current one; a mark on one of them goes with them.
void DocumentSession::Push(EditCommand* command) {
    if (UnchangedEditAbove >= 0 && History.cleanIndex() + UnchangedEditAbove > History.index())
        UnchangedEditAbove = -1;
    History.push(command);
}

// Only a state that was unmodified needs the mark; one below the clean state is modified anyway.
void DocumentSession::NoteUnchangedEdit() {
    if (!IsModified())
        UnchangedEditAbove = History.index() - History.cleanIndex();
}

// The history starts at the level as it is now, its clean state; a stroke in progress starts
// there too. Clearing the stack keeps a clean state that was lost as lost.
void DocumentSession::StartHistory() {
    History.clear();
    History.setClean();
    History.setUndoLimit(HistoryDepth);
    UnchangedEditAbove = -1;
    if (Stroke)
        Stroke = OpenStroke{++Strokes, false};
}

void DocumentSession::Announce(const std::vector<Cell>& cells) {
    emit CellsChanged(cells);
    emit DocumentChanged();
}
