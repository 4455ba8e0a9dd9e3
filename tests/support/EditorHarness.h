#pragma once
// Starts a real editor window in a fresh, empty start-up folder of its own, as a user would
// start the program there, and gives tests real mouse clicks and the pixels it shows.
#include "editor/LevelEditorDlg.h"
#include "editor/LevelView.h"
#include "editor/TilePicker.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QByteArray>
#include <QCheckBox>
#include <QColor>
#include <QImage>
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

    // What the window shows at a client pixel.
    QColor Pixel(int x, int y) const;

    void Press(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Release(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Click(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers = {});
    void Move(QPoint point, Qt::KeyboardModifiers modifiers = {});
    // A real move of the pointer to the centre of cell, or off the grid for NoCell.
    void HoverOver(Cell cell);
    // A real click with button on the palette box of tile.
    void PickTile(Qt::MouseButton button, int tile);
    // A real click on the window's control of that name.
    void ClickControl(const char* name);
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

// Colours of the editor's pictures.
inline const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), Red = qRgb(255, 0, 0);
inline const QRgb Green = qRgb(0, 128, 0);

// The pixels that a window shows, as the screen gets them, and those of the editor's grid area.
QImage Screen(QWidget& window);
QImage ShownGrid(CLevelEditorDlg& editor);
// A real click on a window's control of that name.
void ClickControl(QWidget& window, const char* name);
// The editor's named parts.
QString StatusLine(CLevelEditorDlg& editor);
QCheckBox* ShowGridBox(CLevelEditorDlg& editor);
LevelView& View(CLevelEditorDlg& editor);
TilePicker& Picker(CLevelEditorDlg& editor);

// Reads a whole file's bytes; an empty array when it cannot be read.
QByteArray ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const QByteArray& bytes);
