// SPDX-License-Identifier: MIT
// Time from a click on "Въведи" or "Изтрий" to the end of the ranking's
// repaint, on the real window: prints the median and the 95th percentile.

#include "ranking_form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

/// Notes when the watched widget has finished a paint.
class PaintClock : public QObject
{
public:
    explicit PaintClock(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }

    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        // Let the view paint, then mark the end of it.
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        watched->installEventFilter(this);
        painted = true;
        return true;
    }
};

double clickUntilPainted(QPushButton *button, PaintClock &clock)
{
    clock.painted = false;
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(button, Qt::LeftButton);
    while (!clock.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RankingForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    auto *enter = form.findChild<QPushButton *>(QStringLiteral("enterButton"));
    auto *clear = form.findChild<QPushButton *>(QStringLiteral("deleteButton"));
    auto *ranking = form.findChild<QAbstractItemView *>(QStringLiteral("rankingList"));
    PaintClock clock(ranking->viewport());

    std::vector<double> times;
    constexpr int rounds = 300;
    for (int round = 0; round < rounds; ++round)
        times.push_back(clickUntilPainted(round % 2 ? clear : enter, clock));
    std::sort(times.begin(), times.end());
    std::printf("click-to-repaint over %d clicks: median %.3f ms, p95 %.3f ms, max %.3f ms "
                "(one 60 Hz frame: 16.667 ms)\n",
                rounds, times[times.size() / 2], times[times.size() * 95 / 100], times.back());
    return 0;
}
