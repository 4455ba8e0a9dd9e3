#pragma once
// Starts a real editor window in a fresh, empty start-up folder of its own, as a user would
// start the program there, and gives tests real mouse clicks and the pixels of its surface.
#include "editor/LevelEditorDlg.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QByteArray>
#include <QCheckBox>
#include <QColor>
#include <QPoint>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

class EditorHarness {
public:
    // With `settings`, a "settings.dat" holding those bytes is put into the folder first.
    explicit EditorHarness(std::optional<QByteArray> settings = std::nullopt);
    ~EditorHarness();
    EditorHarness(const EditorHarness&) = delete;
    EditorHarness& operator=(const EditorHarness&) = delete;

    CLevelEditorDlg& Editor() { return *Window; }
    // The start-up folder, and a path inside it.
    std::string Folder() const;
    std::string PathIn(const std::string& name) const;
    std::string SettingsPath() const { return PathIn("settings.dat"); }

    QColor Pixel(int x, int y) const;

    void Press(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Release(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Click(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Move(QPoint point, Qt::KeyboardModifiers modifiers = {});
    // A real move of the pointer to the centre of cell, or off the grid for NoCell.
    void HoverOver(Cell cell);
    // A real click with button on the palette box of tile.
    void PickTile(Qt::MouseButton button, int tile);
    // A real click on one of the window's controls.
    void ClickControl(int id);
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

private:
    QTemporaryDir Dir;
    std::string PreviousDirectory;
    std::unique_ptr<CLevelEditorDlg> Window;
};

// The set-ups most editor tests start from, each taken apart in one line:
// `auto&& [harness, editor] = OpenEditor();`
// `auto&& [harness, answerer, editor] = EditorWithAnswerer();`
struct OpenEditor {
    EditorHarness harness;
    CLevelEditorDlg& editor = harness.Editor();
};
struct EditorWithAnswerer {
    EditorHarness harness;
    ScriptedAnswerer answerer;
    CLevelEditorDlg& editor = harness.Editor();
};

// Colours of the editor's pictures, and a mark that it never draws: a pixel so marked shows
// whether a later step drew it again.
inline const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), Red = qRgb(255, 0, 0);
inline const QRgb Green = qRgb(0, 128, 0), Blue = qRgb(0, 0, 255), Mark = qRgb(255, 0, 255);

// A real click on one of a dialog's controls.
void ClickControl(CDialog& dialog, int id);
QString StatusLine(CLevelEditorDlg& editor);
QCheckBox* ShowGridBox(CLevelEditorDlg& editor);

// Reads a whole file's bytes; an empty array when it cannot be read.
QByteArray ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const QByteArray& bytes);
