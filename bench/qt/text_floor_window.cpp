// SPDX-License-Identifier: MIT
// A second reference for start-up measurements: the empty window plus one
// line of Cyrillic text in the exercise's font. What it costs beyond the empty
// window is the toolkit's font set-up, which any window with text pays.

#include "first_paint_watcher.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QString::fromUtf8("Класация на езиците"));
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.setFixedSize(461, 345);
    FirstPaintWatcher::quitAfterFirstPaintIfAsked(&window);
    window.show();
    return QApplication::exec();
}
