#pragma once
// The application's style with the keyboard focus drawn on push buttons: a dotted rectangle
// inside the focused button. Styles such as Fusion draw focus and the default button with the
// same frame, so without it a focused default button looks like an unfocused one.
#include <QProxyStyle>

class CFocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Wraps the application's style in CFocusStyle, once; later calls do nothing.
void InstallFocusStyle();
