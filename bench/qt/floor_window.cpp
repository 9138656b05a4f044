// SPDX-License-Identifier: MIT
// The floor for start-up measurements: a Qt application that shows one empty
// window of the exercise's size and nothing else.

#include "first_paint_watcher.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    FirstPaintWatcher::quitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
