#include "first_paint_watcher.h"
#include "ranking_form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RankingForm form;
    FirstPaintWatcher::quitAfterFirstPaintIfAsked(&form);
    form.show();
    return QApplication::exec();
}
