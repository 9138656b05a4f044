// SPDX-License-Identifier: MIT
#include "announcement.h"

#include <QAccessibleWidget>
#include <QApplication>

Announcement::Announcement(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("announcement"));
    static const bool accessibleInstalled =
        (QAccessible::installFactory(Announcement::create), true);
    Q_UNUSED(accessibleInstalled);
    // One transparent pixel in the window's empty corner: it draws nothing and
    // takes no click, yet counts as shown.
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, &QWidget::hide);
}

QAccessibleInterface *Announcement::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

// A screen reader speaks a notification when it is shown, by its name.
void Announcement::announce(const QString &sentence)
{
    hide();
    setAccessibleName(sentence);
    show();
}
