// SPDX-License-Identifier: MIT
#include "command_button.h"

#include <QKeyEvent>

namespace {

QString styleSheetFor(const QColor &colour, const QColor &textColour)
{
    // Style sheets are the one way to get an exact background colour from
    // every widget style; the states that the style would draw must then be
    // drawn here too, and the text colour fixed with the background.
    return QStringLiteral("QPushButton { background-color: %1; color: %4;"
                          " border: 1px solid #404040;"
                          " border-radius: 2px; }"
                          "QPushButton:hover { background-color: %2; }"
                          "QPushButton:focus { border: 2px solid #000000; }"
                          "QPushButton:pressed { background-color: %3; border-style: inset; }")
        .arg(colour.name(), colour.lighter(108).name(), colour.darker(125).name(),
             textColour.name());
}

} // namespace

CommandButton::CommandButton(const QString &text, const QColor &colour, const QColor &textColour,
                             QWidget *parent)
    : QPushButton(text, parent)
{
    setStyleSheet(styleSheetFor(colour, textColour));
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
