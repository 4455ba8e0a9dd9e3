#pragma once
// Levels and file helpers shared by the tests of the document commands. Mouse editing is
// exercised elsewhere; here an edited level is made by opening a document built directly.
#include "editor/LevelEditorDlg.h"
#include "level/LevelText.h"
#include "tests/support/EditorHarness.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QByteArray>
#include <QString>
#include <QWindow>
#include <optional>
#include <string>
#include <vector>

inline const std::string PromptWithoutFile = "Do you want to save your changes?";

inline std::string PromptFor(const std::string& path) {
    return "Do you want to save your changes to " + path + " before continuing?";
}

inline const std::string BaseTitle = "Zapmaze Level Editor v1.02";

inline std::string TitleFor(const CLevelEditorDlg&, const std::string& shortened) {
    return BaseTitle + " - " + shortened;
}

// The title as the window system shows it.
inline std::string WindowTitle(const CLevelEditorDlg& editor) {
    return editor.windowHandle()->title().toLocal8Bit().toStdString();
}

// Puts the level that `edit` makes of the current one on screen, keeping its file, as if the
// user had edited it that way.
template <class Edit> void EditLevel(CLevelEditorDlg& editor, Edit edit, bool modified = true) {
    LevelState level = editor.Document().State();
    edit(level);
    editor.GetSession().Open(LevelDocument(level, editor.Document().Path(), modified));
}

inline void PlacePlayer(LevelState& level, int player, Cell cell) {
    level.grid[cell.column][cell.row] = TileOfPlayer(player);
    level.starts.placed[player] = true;
    level.starts.position[player] = cell;
}

// A level that passes the save checks: solid blocks on every cell whose column and row are
// both even, floor elsewhere, all five players placed; marked as edited.
inline void MakePlayableLevel(CLevelEditorDlg& editor) {
    EditLevel(editor, [](LevelState& level) {
        for (int column = 1; column < GridColumns - 1; ++column)
            for (int row = 1; row < GridRows - 1; ++row)
                level.grid[column][row] = column % 2 == 0 && row % 2 == 0 ? SolidBlock : Floor;
        const Cell starts[PlayerCount] = {{1, 1}, {13, 1}, {1, 11}, {13, 11}, {7, 7}};
        for (int player = 0; player < PlayerCount; ++player)
            PlacePlayer(level, player, starts[player]);
    });
}

// An edit of the default level, which still has open 2 x 2 blocks and no players.
inline void EditDefaultLevel(CLevelEditorDlg& editor) {
    EditLevel(editor, [](LevelState& level) { level.grid[3][4] = Brick; });
}

inline QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<int>(text.size()));
}

inline QByteArray LevelBytes(const LevelGrid& grid) {
    return Bytes(LevelText(grid));
}

// Loads the level file at path through the Load button; the level must be unmodified.
inline void LoadThroughButton(EditorHarness& harness, ScriptedAnswerer& answerer,
                              const std::string& path) {
    answerer.ChooseFile(path);
    harness.ClickControl("loadButton");
}

// What a level file holds before a test writes it: the default level, whole, so that Load
// takes all of it without a word.
inline QByteArray PreviousFile() {
    LevelGrid grid;
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    return LevelBytes(grid);
}

// Gives the level a file: one holding the previous level, loaded through the Load button.
inline std::string LoadFileHoldingPrevious(EditorHarness& harness, ScriptedAnswerer& answerer,
                                           const std::string& name) {
    const std::string path = harness.PathIn(name);
    WriteBytes(path, PreviousFile());
    LoadThroughButton(harness, answerer, path);
    return path;
}

// Also takes the bytes of one file each time a message box or a file dialog is shown, so that a
// test can tell what had been written by then.
class WatchingAnswerer : public ScriptedAnswerer {
public:
    explicit WatchingAnswerer(std::string watched) : Watched(std::move(watched)) {}

    QMessageBox::StandardButton AnswerMessageBox(QWidget* owner,
                                                 const MessageBoxRequest& request) override {
        FileAtEachModal.push_back(ReadBytes(Watched));
        return ScriptedAnswerer::AnswerMessageBox(owner, request);
    }
    std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                const FileDialogRequest& request) override {
        FileAtEachModal.push_back(ReadBytes(Watched));
        return ScriptedAnswerer::AnswerFileDialog(owner, request);
    }

    std::string Watched;
    std::vector<QByteArray> FileAtEachModal;
};
