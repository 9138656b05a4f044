// SPDX-License-Identifier: MIT
#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The system's copy, where installed, is mapped into memory as it is; the
// built-in one is compressed and has to be unpacked first, which costs the
// start-up a few per cent.
bool installBulgarianQtTexts()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QString system =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_bg.qm");
    const bool loaded =
        translator->load(system) || translator->load(QStringLiteral(":/i18n/qtbase_bg.qm"));
    return loaded && QCoreApplication::installTranslator(translator);
}
