#include "dialogs/FocusStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int FocusInset = 3;

} // namespace

void CFocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->drawRect(
        option->rect.adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    painter->restore();
}

void InstallFocusStyle() {
    if (dynamic_cast<CFocusStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new CFocusStyle(QApplication::style()->name()));
}
