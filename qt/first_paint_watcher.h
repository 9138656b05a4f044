// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

/// Signals once, just after @p widget has been painted for the first time.
/// Used to end the program at its first paint when measuring start-up.
class FirstPaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintWatcher(QWidget *widget);

    /// Ends the application just after @p window's first paint, when the
    /// environment asks for it (LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT). Only
    /// start-up measurements and the package test set that variable.
    static void quitAfterFirstPaintIfAsked(QWidget *window);

signals:
    void firstPainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
