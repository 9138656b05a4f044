// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QAccessibleInterface;

/// Tells a screen reader what a button press did, or anything else worth
/// saying, without moving the focus: a notification, out of sight, that shows
/// itself anew with each sentence, so that the same sentence twice is spoken
/// twice. It hides again when the focus moves on, so no old sentence is left
/// for the user to come across.
class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *parent);

    /// The accessibility factory that gives every Announcement the
    /// notification role.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    void announce(const QString &sentence);
};
