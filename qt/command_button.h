// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPushButton>

/// A push button that shows its own background and text colours in every
/// style, with a visible border, focus mark and pressed look, and that Enter
/// presses as well as Space.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QString &text, const QColor &colour, const QColor &textColour,
                  QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
