#pragma once

#include <QObject>

class QWidget;

/// Signals once, just after @p widget has been painted for the first time.
/// Used to end the program at its first paint when measuring start-up.
class FirstPaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintWatcher(QWidget *widget);

signals:
    void firstPainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
