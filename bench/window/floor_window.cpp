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
    if (qEnvironmentVariableIsSet("LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT")) {
        auto *watcher = new FirstPaintWatcher(&window);
        QObject::connect(watcher, &FirstPaintWatcher::firstPainted, &app, &QCoreApplication::quit);
    }
    window.show();
    return QApplication::exec();
}
