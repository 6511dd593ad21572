// SPDX-License-Identifier: MIT
// Both windows open with their title bar and menu bar on the screen, also on a
// screen smaller than the exercise window: a 1280 by 1024 screen at a scale
// factor of 2 offers 640 by 512 pixels.

#include "ui/platform/placement.hpp"
#include "ui_test_helpers.hpp"

#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>

using namespace tessaly;
using namespace tessaly::test;

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void centredTopLeft_data() {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("fits: centred")
            << QSize(200, 100) << QRect(0, 0, 800, 600) << QPoint(300, 250);
        QTest::newRow("too tall: top edge on the area")
            << QSize(600, 700) << QRect(0, 0, 800, 600) << QPoint(100, 0);
        QTest::newRow("too wide: left edge on the area")
            << QSize(900, 100) << QRect(0, 0, 800, 600) << QPoint(0, 250);
        QTest::newRow("too large: top-left corner")
            << QSize(2000, 2000) << QRect(0, 0, 800, 600) << QPoint(0, 0);
        QTest::newRow("panel above, second screen to the right")
            << QSize(2000, 2000) << QRect(1280, 32, 1024, 736) << QPoint(1280, 32);
        QTest::newRow("second screen, fits")
            << QSize(200, 100) << QRect(1280, 32, 1024, 736) << QPoint(1692, 350);
    }

    void centredTopLeft() {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(tessaly::centredTopLeft(frame, available), expected);
    }

    // The windows as the program opens them, on the small screen.
    void windowsStayReachable() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(available.size(), QSize(640, 512));
        auto signIn = openSignIn();
        frmArray& main = signIn->mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (QWidget* window : {static_cast<QWidget*>(&*signIn), static_cast<QWidget*>(&main)}) {
            const QRect frame = window->frameGeometry();
            QVERIFY2(available.contains(frame.topLeft()), qPrintable(QString("%1 at %2,%3")
                                                                         .arg(window->windowTitle())
                                                                         .arg(frame.x())
                                                                         .arg(frame.y())));
        }
        // The exercise window is taller than the screen: its top stays on it,
        // with the menu bar, and it is centred across.
        QVERIFY(main.frameGeometry().height() > available.height());
        QCOMPARE(main.frameGeometry().top(), available.top());
        QVERIFY(available.contains(main.menuBar()->mapToGlobal(QPoint(0, 0))));
        QVERIFY(std::abs(main.frameGeometry().center().x() - available.center().x()) <= 1);
        // The sign-in window fits: it stands in the middle.
        QVERIFY((signIn->frameGeometry().center() - available.center()).manhattanLength() <= 2);
    }

    // A window placed before the window system has framed it, taller than the
    // screen: room is kept for the title bar that comes with the frame.
    void unframedWindowKeepsItsTopOnScreen() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget window;
        window.setWindowTitle("Unframed");
        window.resize(300, 600);
        QCOMPARE(window.frameGeometry(), window.geometry()); // no frame yet
        centreOnScreen(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(available.contains(window.frameGeometry().topLeft()),
                 qPrintable(QString("at %1,%2")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())));
    }
};

// The small screen: the offscreen platform with one 1280 by 1024 screen, at a
// scale factor of 2, set up before the application starts.
int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    const QString config = folder.filePath("screen.json");
    QFile file(config);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0,
                        "width": 1280, "height": 1024, "logicalDpi": 96}]})") < 0) {
        qFatal("cannot write the screen set-up");
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    PlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "placement_test.moc"
