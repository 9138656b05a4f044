// SPDX-License-Identifier: MIT
#include "first_paint_watcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

FirstPaintWatcher::FirstPaintWatcher(QWidget *widget)
    : QObject(widget)
{
    widget->installEventFilter(this);
}

void FirstPaintWatcher::quitAfterFirstPaintIfAsked(QWidget *window)
{
    if (!qEnvironmentVariableIsSet("LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT"))
        return;
    auto *watcher = new FirstPaintWatcher(window);
    connect(watcher, &FirstPaintWatcher::firstPainted, qApp, &QCoreApplication::quit);
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued, so that the paint that is starting now reaches the screen first.
        QMetaObject::invokeMethod(this, &FirstPaintWatcher::firstPainted, Qt::QueuedConnection);
    }
    return false;
}
