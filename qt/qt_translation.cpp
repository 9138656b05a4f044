// SPDX-License-Identifier: MIT
#include "qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

bool installBulgarianQtTexts()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    return translator->load(QStringLiteral(":/i18n/qtbase_bg.qm")) &&
           QCoreApplication::installTranslator(translator);
}
