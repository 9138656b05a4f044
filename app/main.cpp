#include "first_paint_watcher.h"
#include "ranking_form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RankingForm form;
    // Start-up measurements and the package test ask the program to end as
    // soon as its window has been drawn once.
    if (qEnvironmentVariableIsSet("LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT")) {
        auto *watcher = new FirstPaintWatcher(&form);
        QObject::connect(watcher, &FirstPaintWatcher::firstPainted, &app, &QCoreApplication::quit);
    }
    form.show();
    return QApplication::exec();
}
