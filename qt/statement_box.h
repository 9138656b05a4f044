// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

/// The read-only, scrolling box that shows the exercise statement. A keyboard
/// user can still move through the text and select it, and Tab leaves it.
class StatementBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    StatementBox(const QString &text, QWidget *parent);

protected:
    bool event(QEvent *event) override;
};
