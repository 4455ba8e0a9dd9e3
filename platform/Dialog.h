#pragma once
// The dialog base of the program: a window built from a dialog template, run modally, with
// its controls found by id and its window events turned into the handlers that dialogs
// override. Escape is the Cancel command, the close box is OnClose, Enter clicks the focused
// push button, else the default push button, else runs the OK command; the button that Enter
// would click is the one that looks the default.
#include "platform/Win32.h"
#include "res/DialogTemplates.h"

#include <QDialog>
#include <QKeySequence>
#include <QPoint>
#include <QRect>
#include <map>
#include <string>

class QPushButton;

// One row of a dialog's command table: a control id and the member that its click runs.
template <class Dialog> struct CommandEntry {
    int id;
    void (Dialog::*handler)();
};

template <class Dialog, std::size_t Count>
bool DispatchCommand(Dialog* dialog, const CommandEntry<Dialog> (&table)[Count], int id) {
    for (const auto& entry : table) {
        if (entry.id == id) {
            (dialog->*entry.handler)();
            return true;
        }
    }
    return false;
}

// The owner of dialogs opened without an explicit parent: the editor window.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// Dialog units of the program's dialog font to client pixels (1.5 and 1.625 pixels a unit,
// rounded to the nearest pixel).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
QRect DialogUnitsToPixels(int x, int y, int width, int height);

class CDialog : public QDialog {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Initialises the dialog, shows it and runs its modal loop; returns the EndDialog code.
    int DoModal();
    // Initialises and shows the dialog without a modal loop of its own.
    void Create();
    // Initialises and shows the dialog as the program's own top-level window: a normal
    // application window with a task-bar entry, neither modal nor transient for another
    // window. The dialogs and message boxes it opens stay modal and transient for it.
    void CreateAsApplicationWindow();
    void EndDialog(int result);

    // The caption exactly as given: characters that Qt would read as a placeholder are kept.
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    QWidget* GetDlgItem(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;

    // Runs the command of a control id, as a click of that control does.
    void SendCommand(int id);
    // Runs the command id whenever keys are pressed in the window, whichever control has the
    // focus.
    void AddAccelerator(const QKeySequence& keys, int id);

protected:
    // Runs once the controls exist, before the window is shown. Returns true to give the
    // focus to the first tab stop, false when the handler has set the focus itself.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnClose() { OnCancel(); }
    // Returns true when the command was handled; the base runs IDOK and IDCANCEL.
    virtual bool OnCommand(int id);

    // Mouse handlers with the key-state flags (MK_LBUTTON, MK_RBUTTON, MK_CONTROL) and the
    // client point.
    virtual void OnLButtonDown(unsigned, QPoint) {}
    virtual void OnLButtonUp(unsigned, QPoint) {}
    virtual void OnRButtonDown(unsigned, QPoint) {}
    virtual void OnRButtonUp(unsigned, QPoint) {}
    virtual void OnMouseMove(unsigned, QPoint) {}
    // The second press of a double click is no button-down.
    virtual void OnLButtonDblClk(unsigned, QPoint) {}
    virtual void OnRButtonDblClk(unsigned, QPoint) {}

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls(const DialogTemplate& dialogTemplate);
    QWidget* CreateControl(const ControlTemplate& control);
    void Initialise();
    void PressEnter();
    // Gives the default look to the focused push button, or with none to the default button.
    void ShowDefaultButton(QPushButton* focused);

    std::map<int, QWidget*> Controls;
    int DefaultButtonId = NoControlId;
    bool Initialised = false;
};
