#include "platform/Dialog.h"

#include "platform/FocusStyle.h"
#include "platform/StaticText.h"
#include "res/Resources.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <cmath>

namespace {

QPointer<QWidget> TheMainWindow;

QString TextOf(const std::string& text) {
    return QString::fromLocal8Bit(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The client pixel that holds the pointer. On a scaled screen the pointer's device pixel is a
// fractional client position; Qt rounds the widget position of a mouse event to whole client
// pixels, which names the next pixel for a third of the device pixels at a scale of 1.5, so
// the window position, which Qt keeps exact, is taken instead.
QPoint ClientPixelOf(const QWidget* widget, const QMouseEvent* event) {
    const QPointF position =
        event->scenePosition() - QPointF(widget->mapTo(widget->window(), QPoint(0, 0)));
    return QPoint(int(std::floor(position.x())), int(std::floor(position.y())));
}

Qt::WindowFlags WindowFlagsOf(FrameKind frame) {
    if (frame == FrameKind::ThinBorderPopup)
        return Qt::Dialog | Qt::FramelessWindowHint;
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

// A narrow sans serif at the size of the classic 8-point dialog font, so that captions such
// as "Show Grid" and three lines of text fit controls laid out for that font.
QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

// Flat push buttons: a one-pixel border and no bevel; the focused one gets a blue border and
// a light tint so that keyboard focus stays visible.
const QString FlatButtonStyle =
    QStringLiteral("QPushButton { border: 1px solid #8a8a8a; border-radius: 0; background: #fbfbfb;"
                   " padding: 0 4px; }"
                   "QPushButton:hover { background: #ffffff; border-color: #5a5a5a; }"
                   "QPushButton:focus { border-color: #2a64c8; background: #e8f0fc; }"
                   "QPushButton:pressed { background: #d6d6d6; }");

// A group box as a plain outline: the style's own frame shades its inside, which would dim
// the pictures painted behind it.
const QString GroupBoxStyle = QStringLiteral("QGroupBox { border: 1px solid #a8a8a8; }");

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent) {
    const Qt::Alignment alignment =
        (control.style & StyleCentred) ? Qt::AlignHCenter : Qt::AlignLeft;
    return new CStaticText(TextOf(control.text), alignment, (control.style & StyleStaticEdge) != 0,
                           parent);
}

QWidget* CreateIcon(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(LoadIconResource(control.resourceId).pixmap(32, 32));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A control's rectangle in client pixels: its edges, not its size, are converted, so that
// neighbouring controls stay neighbours.
QRect PixelRectOf(const ControlTemplate& control) {
    const QPoint topLeft(DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y));
    const QPoint end(DialogUnitsToPixelsX(control.x + control.width),
                     DialogUnitsToPixelsY(control.y + control.height));
    return QRect(topLeft, end - QPoint(1, 1));
}

} // namespace

void SetMainWindow(QWidget* window) {
    TheMainWindow = window;
}

QWidget* MainWindow() {
    return TheMainWindow;
}

int DialogUnitsToPixelsX(int units) {
    return (units * 3 + 1) / 2;
}

int DialogUnitsToPixelsY(int units) {
    return (units * 13 + 4) / 8;
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent ? parent : MainWindow(), WindowFlagsOf(dialogTemplate.frame)) {
    InstallFocusStyle();
    SetWindowText(dialogTemplate.caption);
    setFont(DialogFont());
    setFixedSize(DialogUnitsToPixelsX(dialogTemplate.width),
                 DialogUnitsToPixelsY(dialogTemplate.height));
    CreateControls(dialogTemplate);
}

void CDialog::CreateControls(const DialogTemplate& dialogTemplate) {
    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateControl(control);
        widget->setGeometry(PixelRectOf(control));
        widget->setFocusPolicy((control.style & StyleTabStop) ? Qt::StrongFocus : Qt::NoFocus);
        if (control.style & StyleTabStop) {
            if (previousTabStop)
                setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        if (control.id != NoControlId)
            Controls[control.id] = widget;
        if (control.kind == ControlKind::DefaultPushButton)
            DefaultButtonId = control.id;
    }
}

QWidget* CDialog::CreateControl(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
        auto* button = new QPushButton(TextOf(control.text), this);
        // Enter is the dialog's own business (keyPressEvent); the default button only looks it.
        button->setAutoDefault(false);
        button->setDefault(control.kind == ControlKind::DefaultPushButton);
        if (control.style & StyleFlat) {
            button->setObjectName(QStringLiteral("flat"));
            button->setStyleSheet(FlatButtonStyle);
        }
        button->installEventFilter(this);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(TextOf(control.text), this);
    case ControlKind::GroupBox: {
        auto* group = new QGroupBox(TextOf(control.text), this);
        group->setStyleSheet(GroupBoxStyle);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    case ControlKind::Edit:
        return new QLineEdit(TextOf(control.text), this);
    case ControlKind::Icon:
        return CreateIcon(control, this);
    case ControlKind::Static:
        break;
    }
    return CreateStatic(control, this);
}

void CDialog::Initialise() {
    if (Initialised)
        return;
    Initialised = true;
    if (OnInitDialog()) {
        if (QWidget* first = nextInFocusChain(); first && first != this)
            first->setFocus();
    }
}

int CDialog::DoModal() {
    Initialise();
    return exec();
}

void CDialog::Create() {
    Initialise();
    show();
}

void CDialog::CreateAsApplicationWindow() {
    setParent(nullptr, (windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    Create();
}

void CDialog::EndDialog(int result) {
    done(result);
}

// Qt shows "[*]" in a caption as the modified marker and "[*][*]" as the text "[*]".
void CDialog::SetWindowText(const std::string& text) {
    setWindowTitle(TextOf(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

std::string CDialog::GetWindowText() const {
    return windowTitle()
        .replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"))
        .toLocal8Bit()
        .toStdString();
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto found = Controls.find(id);
    return found == Controls.end() ? nullptr : found->second;
}

void CDialog::PressEnter() {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(GetDlgItem(DefaultButtonId))) {
        button->click();
        return;
    }
    OnOK();
}

void CDialog::ShowDefaultButton(QPushButton* focused) {
    QPushButton* shown =
        focused ? focused : qobject_cast<QPushButton*>(GetDlgItem(DefaultButtonId));
    for (const auto& [id, control] : Controls)
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setDefault(button == shown);
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool focusIn = event->type() == QEvent::FocusIn;
    if ((focusIn || event->type() == QEvent::FocusOut) &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        ShowDefaultButton(focusIn ? qobject_cast<QPushButton*>(watched) : nullptr);
    return QDialog::eventFilter(watched, event);
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Escape) {
        OnCancel();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        PressEnter();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnClose();
}

void CDialog::mousePressEvent(QMouseEvent* event) {
    const QPoint point = ClientPixelOf(this, event);
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->buttons(), event->modifiers(), point);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(event->buttons(), event->modifiers(), point);
}

void CDialog::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = ClientPixelOf(this, event);
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->buttons(), event->modifiers(), point);
    else if (event->button() == Qt::RightButton)
        OnRButtonUp(event->buttons(), event->modifiers(), point);
}

void CDialog::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(event->buttons(), event->modifiers(), ClientPixelOf(this, event));
}

// Qt's own handler would take the second press of a double click as one more press; it is no
// button-down here.
void CDialog::mouseDoubleClickEvent(QMouseEvent*) {}
