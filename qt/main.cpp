// SPDX-License-Identifier: MIT
#include "app_identity.h"
#include "first_paint_watcher.h"
#include "qt_translation.h"
#include "ranking_form.h"

#include <QApplication>

#ifdef LANGUAGE_RANKING_CHECK_DISPLAY
#include "display_check.h"

#include <cstdio>
#endif

int main(int argc, char *argv[])
{
#ifdef LANGUAGE_RANKING_CHECK_DISPLAY
    if (const auto display = unreachableDisplay(argc, argv)) {
        if (display->empty())
            std::fprintf(stderr, "%s: cannot open a display: DISPLAY is not set\n",
                         AppIdentity::programName);
        else
            std::fprintf(stderr, "%s: cannot open display \"%s\": no X server answers there\n",
                         AppIdentity::programName, display->c_str());
        return 1;
    }
#endif
    QApplication::setApplicationName(QLatin1String(AppIdentity::programName));
    QApplication::setApplicationVersion(QLatin1String(AppIdentity::version));
    QApplication::setDesktopFileName(QLatin1String(AppIdentity::id));
    QApplication app(argc, argv);
    installBulgarianQtTexts();
    RankingForm form;
    FirstPaintWatcher::quitAfterFirstPaintIfAsked(&form);
    form.show();
    return QApplication::exec();
}
