// SPDX-License-Identifier: MIT
#include "form_check.h"
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
    void iconIsSharpAtDoubleResolution();
};

void HighDpiTest::windowDrawsAtDoubleResolution()
{
    RankingForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowHandle()->devicePixelRatio(), 2.0);
    const QSize client(form::clientSize.width, form::clientSize.height);
    QCOMPARE(form.size(), client);

    const QImage image = form.grab().toImage();
    QCOMPARE(image.size(), client * 2);
    for (const ColourSample &sample : fixedColourSamples()) {
        const QPoint device = sample.point * 2;
        QCOMPARE(image.pixelColor(device).name(), sample.colour.name());
        QCOMPARE(image.pixelColor(device + QPoint(1, 1)).name(), sample.colour.name());
    }
}

// A title bar of 32 logical pixels draws the icon from its 64 px image, not
// from the 32 px one scaled up.
void HighDpiTest::iconIsSharpAtDoubleResolution()
{
    RankingForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const qreal ratio = form.windowHandle()->devicePixelRatio();
    const QPixmap pixmap = form.windowIcon().pixmap(QSize(32, 32), ratio);
    QCOMPARE(pixmap.size(), QSize(64, 64));
}

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
