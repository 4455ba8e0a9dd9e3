#pragma once
// The dialog base of the program: a window built from a dialog template, run modally, with
// its controls found by id and its window events turned into the handlers that dialogs
// override. Escape is OnCancel, the close box is OnClose, Enter clicks the focused push button,
// else the default push button, else runs OnOK; the button that Enter would click is the one
// that looks the default.
#include "res/DialogTemplates.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <map>
#include <string>

class QPushButton;

// The owner of dialogs opened without an explicit parent: the editor window.
void SetMainWindow(QWidget* window);
QWidget* MainWindow();

// Dialog units of the program's dialog font to client pixels (1.5 and 1.625 pixels a unit,
// rounded to the nearest pixel).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

class CDialog : public QDialog {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // Initialises the dialog, shows it and runs its modal loop; returns the EndDialog code
    // (QDialog::Accepted or QDialog::Rejected).
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

    // Runs `handler` whenever the push button or check box `id` is clicked.
    template <class Handler> void ConnectClicked(int id, Handler handler) {
        if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id)))
            connect(button, &QAbstractButton::clicked, this, handler);
    }

protected:
    // Runs once the controls exist, before the window is shown. Returns true to give the
    // focus to the first tab stop, false when the handler has set the focus itself.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(QDialog::Accepted); }
    virtual void OnCancel() { EndDialog(QDialog::Rejected); }
    virtual void OnClose() { OnCancel(); }

    // Mouse handlers with the buttons held after the event, the keyboard modifiers and the
    // client pixel under the pointer.
    virtual void OnLButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {}
    virtual void OnLButtonUp(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {}
    virtual void OnRButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {}
    virtual void OnRButtonUp(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {}
    virtual void OnMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {}

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
