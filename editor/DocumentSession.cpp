// Each stroke, Fill Floor and Clear Floor that changed the level becomes one step holding the
// cells it changed and the player starts on both sides. A command sets Modified by its own
// rule; undo and redo give the level the flag that it had when it was last in the state they
// arrive at, except that after a save or a read only the state written or read is unmodified.
#include "editor/DocumentSession.h"

#include <QUndoCommand>
#include <utility>

namespace {

constexpr int HistoryDepth = 10000;

} // namespace

class DocumentSession::Step : public QUndoCommand {
public:
    Step(DocumentSession& session, LevelEdit edit, bool modifiedBefore)
        : Session(session), Edit(std::move(edit)), Before{modifiedBefore, session.SavedMark},
          After(session.Remember()) {}

    void undo() override {
        After = Session.Remember();
        Session.ArriveByStep(Session.Level.Revert(Edit), Before, Session.History.index() - 1);
    }
    // The first redo comes from the push, after the edit has already been made and announced.
    void redo() override {
        if (std::exchange(Pushed, false))
            return;
        Before = Session.Remember();
        Session.ArriveByStep(Session.Level.Reapply(Edit), After, Session.History.index() + 1);
    }

private:
    DocumentSession& Session;
    LevelEdit Edit;
    RememberedFlag Before;
    RememberedFlag After;
    bool Pushed = true;
};

DocumentSession::DocumentSession() {
    StartHistory();
}

void DocumentSession::BeginStroke() {
    EndStroke();
    Stroke = Here();
}

void DocumentSession::EndStroke() {
    if (!Stroke)
        return;
    const Origin origin = std::move(*Stroke);
    Stroke.reset();
    RecordStep(origin);
}

void DocumentSession::PlaceTile(Cell target, TileType tile) {
    Announce(Level.PlaceTile(target, tile));
}

template <class Command> bool DocumentSession::ApplyCommand(Command command) {
    const bool stroking = StrokeOpen();
    EndStroke();
    const Origin origin = Here();
    const std::vector<Cell> cells = command();
    RecordStep(origin);
    if (stroking)
        BeginStroke();
    if (cells.empty())
        return false;
    Announce(cells);
    return true;
}

bool DocumentSession::FillFloor(TileType tile) {
    return ApplyCommand([this, tile] { return Level.FillFloor(tile); });
}

void DocumentSession::ClearFloor() {
    ApplyCommand([this] { return Level.ClearInside(); });
}

void DocumentSession::StartNew() {
    const std::vector<Cell> cells = Level.StartNew();
    StartHistory();
    emit PathChanged();
    Announce(cells);
}

void DocumentSession::TakeFileRead(const std::string& path, const LevelState& read) {
    const std::vector<Cell> cells = Level.TakeFileRead(path, read);
    StartHistory();
    emit PathChanged();
    Announce(cells);
}

void DocumentSession::Open(const LevelDocument& document) {
    Level = document;
    StartHistory();
    if (Level.IsModified())
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
    Level.SetModified(false);
    ++SavedMark;
    History.setClean();
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

void DocumentSession::RecordStep(const Origin& origin) {
    LevelEdit edit = DiffLevels(origin.level, Level.State());
    if (!edit.IsEmpty())
        History.push(new Step(*this, std::move(edit), origin.modified));
}

// The history starts at the level as it is now; a stroke in progress starts there too.
void DocumentSession::StartHistory() {
    History.clear();
    History.setUndoLimit(HistoryDepth);
    ++SavedMark;
    if (Stroke)
        Stroke = Here();
}

void DocumentSession::Announce(const std::vector<Cell>& cells) {
    emit CellsChanged(cells);
    emit DocumentChanged();
}

// A flag remembered before the last save or read holds no more: then only the state written
// or read, if the history still reaches it, is unmodified.
void DocumentSession::ArriveByStep(const std::vector<Cell>& cells, const RememberedFlag& flag,
                                   int index) {
    Level.SetModified(flag.savedMark == SavedMark ? flag.modified : index != History.cleanIndex());
    Announce(cells);
}
