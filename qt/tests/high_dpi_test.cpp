// SPDX-License-Identifier: MIT
#include "ranking_form.h"

#include <QTest>
#include <QWindow>

// Runs with QT_SCALE_FACTOR=2: the window keeps its layout in logical pixels
// and draws at twice the resolution.
class HighDpiTest : public QObject
{
    Q_OBJECT

private slots:
    void windowDrawsAtDoubleResolution();
    void iconHasLargeSizes();
};

void HighDpiTest::windowDrawsAtDoubleResolution()
{
    RankingForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowHandle()->devicePixelRatio(), 2.0);
    QCOMPARE(form.size(), QSize(461, 345));

    const QImage image = form.grab().toImage();
    QCOMPARE(image.size(), QSize(922, 690));
    const struct
    {
        QPoint logical;
        QColor colour;
    } samples[] = {
        {{4, 4}, QColor(192, 192, 255)},    {{35, 3}, QColor(255, 192, 128)},
        {{30, 150}, QColor(128, 255, 128)}, {{198, 150}, QColor(255, 128, 255)},
        {{358, 165}, QColor(255, 0, 0)},    {{150, 158}, QColor(192, 192, 255)},
    };
    for (const auto &sample : samples) {
        const QPoint device = sample.logical * 2;
        QCOMPARE(image.pixelColor(device).name(), sample.colour.name());
        QCOMPARE(image.pixelColor(device + QPoint(1, 1)).name(), sample.colour.name());
    }
}

void HighDpiTest::iconHasLargeSizes()
{
    RankingForm form;
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    for (int size : {16, 32, 64})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
}

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
