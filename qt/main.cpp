// SPDX-License-Identifier: MIT
#include "app_identity.h"
#include "first_paint_watcher.h"
#include "qt_translation.h"
#include "ranking_form.h"

#include <QApplication>

#ifdef LANGUAGE_RANKING_CHECK_DISPLAY
#include "platform_choice.h"

#include <cstdio>
#endif

int main(int argc, char *argv[])
{
#ifdef LANGUAGE_RANKING_CHECK_DISPLAY
    const PlatformChoice platform(argc, argv);
    if (platform.platform().empty()) {
        std::fprintf(stderr, "%s: cannot open a display: %s\n", app_identity::programName,
                     platform.failures().c_str());
        return 1;
    }
    platform.apply(argc, argv);
#endif
    QApplication::setApplicationName(QLatin1String(app_identity::programName));
    QApplication::setApplicationVersion(QLatin1String(app_identity::version));
    QApplication::setDesktopFileName(QLatin1String(app_identity::id));
    QApplication app(argc, argv);
    installBulgarianQtTexts();
    RankingForm form;
    FirstPaintWatcher::quitAfterFirstPaintIfAsked(&form);
    form.show();
    return QApplication::exec();
}
