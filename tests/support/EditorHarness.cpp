#include "tests/support/EditorHarness.h"

#include "files/FileSystem.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

EditorHarness::EditorHarness(std::optional<QByteArray> settings)
    : PreviousDirectory(GetCurrentDirectory()) {
    if (settings)
        WriteBytes(PathIn("settings.dat"), *settings);
    SetCurrentDirectory(Folder());
    Window = std::make_unique<CLevelEditorDlg>();
    Window->show();
    Window->activateWindow();
    if (!QTest::qWaitForWindowExposed(Window.get()))
        qWarning("the editor window was not exposed");
}

EditorHarness::~EditorHarness() {
    Window.reset();
    SetCurrentDirectory(PreviousDirectory);
}

std::string EditorHarness::Folder() const {
    return Dir.path().toLocal8Bit().toStdString();
}

std::string EditorHarness::PathIn(const std::string& name) const {
    return JoinPath(Folder(), name);
}

QColor EditorHarness::Pixel(int x, int y) const {
    return QColor(Screen(*Window).pixel(x, y));
}

void EditorHarness::Press(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(Window.get(), button, modifiers, point);
}

void EditorHarness::Release(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers) {
    QTest::mouseRelease(Window.get(), button, modifiers, point);
}

void EditorHarness::Click(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers) {
    Press(button, point, modifiers);
    Release(button, point, modifiers);
}

void EditorHarness::Move(QPoint point, Qt::KeyboardModifiers modifiers) {
    QTest::mouseEvent(QTest::MouseMove, Window.get(), Qt::NoButton, modifiers, point);
}

// A move with no button held, sent to the window itself: QTest would move the cursor instead,
// which sends nothing when it is already there.
void EditorHarness::HoverOver(Cell cell) {
    const QPoint point =
        cell == NoCell ? QPoint(2, 2) : QPoint(15 + 20 * cell.column, 15 + 20 * cell.row);
    QMouseEvent move(QEvent::MouseMove, point, Window->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, {});
    QApplication::sendEvent(Window.get(), &move);
}

void EditorHarness::PickTile(Qt::MouseButton button, int tile) {
    const PixelPoint corner = EditorGeometry::PaletteSlots[tile];
    Click(button, {corner.x + 10, corner.y + 10});
}

void EditorHarness::ClickControl(const char* name) {
    ::ClickControl(*Window, name);
}

void EditorHarness::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = Window->focusWidget() ? Window->focusWidget() : Window.get();
    QTest::keyClick(target, key, modifiers);
}

QImage Screen(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage ShownGrid(CLevelEditorDlg& editor) {
    return Screen(editor).copy(GridGeometry::GridLeft, GridGeometry::GridTop, 301, 261);
}

void ClickControl(QWidget& window, const char* name) {
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control named %s", name);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

QString StatusLine(CLevelEditorDlg& editor) {
    return editor.findChild<QLabel*>(QStringLiteral("statusLine"))->text();
}

QCheckBox* ShowGridBox(CLevelEditorDlg& editor) {
    return editor.findChild<QCheckBox*>(QStringLiteral("showGridBox"));
}

LevelView& View(CLevelEditorDlg& editor) {
    return *editor.findChild<LevelView*>();
}

TilePicker& Picker(CLevelEditorDlg& editor) {
    return *editor.findChild<TilePicker*>();
}

QByteArray ReadBytes(const std::string& path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromLocal8Bit(path));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
