// SPDX-License-Identifier: MIT
// The icon is one drawing at every size of the hicolor theme: each rendered PNG
// has its directory's size, shows the answer grid with the test-run colours in
// the same cells as the window icon, and at 32 pixels is the window icon itself.
#include <QColor>
#include <QImage>
#include <QTest>

#include <array>

namespace {

// The window icon's grid, row by row: w white, g green, r red, y yellow,
// o orange.
constexpr std::array<const char*, 5> iconGrid = {"wwwww", "wggrw", "wwyww", "wwwwo", "wwwww"};

QString iconPath(int size) {
    return QStringLiteral(TESSALY_ICON_DIR "/%1x%1/" TESSALY_APP_ID ".png").arg(size);
}

// Names a pixel by the colour family it belongs to; the blending of a cell's
// rim and centre at small sizes stays within its family.
char colourName(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const auto high = [](int v) { return v >= 200; };
    const auto low = [](int v) { return v <= 70; };
    if (low(r) && low(g) && low(b))
        return 'k';
    if (high(r) && high(g) && high(b))
        return 'w';
    if (low(r) && high(g) && low(b))
        return 'g';
    if (high(r) && low(g) && low(b))
        return 'r';
    if (high(r) && high(g) && low(b))
        return 'y';
    if (high(r) && g > 70 && g < 200 && low(b))
        return 'o';
    return '?';
}

// The pixel at a point of the 32-unit drawing, at the icon's own size.
QRgb pixelAt(const QImage& icon, double x, double y) {
    const double scale = icon.width() / 32.0;
    return icon.pixel(int(x * scale), int(y * scale));
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void everySizeShowsTheGrid_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QStringLiteral("%1 px").arg(size))) << size;
    }

    void everySizeShowsTheGrid() {
        QFETCH(int, size);
        const QImage icon(iconPath(size));
        QVERIFY2(!icon.isNull(), qPrintable(iconPath(size)));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 255);
        QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 255);
        // Cells are 4 units wide on a pitch of 6 from (2, 2); the board shows
        // black in the gaps between them.
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 5; ++column) {
                const double x = 4 + 6 * column, y = 4 + 6 * row;
                QCOMPARE(colourName(pixelAt(icon, x, y)), iconGrid[row][column]);
                if (row < 4 && column < 4)
                    QCOMPARE(colourName(pixelAt(icon, x + 3, y + 3)), 'k');
            }
        }
    }

    void thirtyTwoPixelsIsTheWindowIcon() {
        const QImage rendered = QImage(iconPath(32)).convertToFormat(QImage::Format_ARGB32);
        const QImage window = QImage(TESSALY_WINDOW_ICON).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!window.isNull());
        QCOMPARE(rendered.size(), window.size());
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
                QCOMPARE(QColor(rendered.pixel(x, y)).name(QColor::HexArgb),
                         QColor(window.pixel(x, y)).name(QColor::HexArgb));
    }
};

QTEST_GUILESS_MAIN(IconTest)
#include "icon_test.moc"
