// SPDX-License-Identifier: MIT
// The adapter's seed: the time of day with its fraction, so that loads in the
// same second seed the exercise differently.

#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/platform/clock.hpp"

#include <QTest>

using namespace tessaly;

class AdapterTest : public QObject {
    Q_OBJECT

private slots:
    void secondsKeepTheirFraction_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<float>("seconds");
        QTest::newRow("midnight") << QTime(0, 0) << 0.0f;
        QTest::newRow("a quarter past a second") << QTime(0, 1, 40, 250) << 100.25f;
        QTest::newRow("three quarters of the same second") << QTime(0, 1, 40, 750) << 100.75f;
        QTest::newRow("last millisecond of the day") << QTime(23, 59, 59, 999) << 86399.999f;
    }

    void secondsKeepTheirFraction() {
        QFETCH(QTime, time);
        QFETCH(float, seconds);
        QCOMPARE(secondsSinceMidnight(time), seconds);
    }
};

QTEST_MAIN(AdapterTest)
#include "adapter_test.moc"
