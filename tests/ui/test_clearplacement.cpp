// Where a message box opens that must not cover its owner's window.

#include "tests/support/modal.h"
#include "ui/clearplacement.h"
#include "ui/userdialogs.h"

#include <QMessageBox>
#include <QScreen>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Place = UserDialogs::Place;

class TestClearPlacement : public QObject {
    Q_OBJECT

private slots:
    void boxGoesBesideBelowOrAboveTheWindow_data();
    void boxGoesBesideBelowOrAboveTheWindow();
    void realBoxOpensThere_data();
    void realBoxOpensThere();
};

void TestClearPlacement::boxGoesBesideBelowOrAboveTheWindow_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    // A 1366 x 768 screen less a 40-pixel panel at the bottom.
    const QRect laptop(0, 0, 1366, 728);
    const QSize box(300, 120);
    QTest::newRow("right of the window, centred on it")
        << QRect(479, 150, 408, 450) << box << laptop << QPoint(887, 315);
    QTest::newRow("left where the right has no room")
        << QRect(1000, 150, 300, 450) << box << laptop << QPoint(700, 315);
    QTest::newRow("below where neither side has room")
        << QRect(100, 100, 1166, 400) << box << laptop << QPoint(533, 500);
    QTest::newRow("above where below has no room either")
        << QRect(100, 300, 1166, 428) << box << laptop << QPoint(533, 180);
    QTest::newRow("kept below a panel at the top")
        << QRect(479, 40, 408, 60) << box << QRect(0, 32, 1366, 736) << QPoint(887, 32);
    QTest::newRow("no room anywhere: the corner covering least")
        << QRect(200, 50, 1166, 600) << box << laptop << QPoint(0, 608);
    QTest::newRow("no room anywhere, all corners alike: bottom right")
        << QRect(50, 50, 1266, 628) << box << laptop << QPoint(1066, 608);
    QTest::newRow("box larger than the screen: its top left")
        << QRect(100, 100, 400, 400) << QSize(1400, 800) << laptop << QPoint(0, 0);
}

void TestClearPlacement::boxGoesBesideBelowOrAboveTheWindow()
{
    QFETCH(QRect, window);
    QFETCH(QSize, box);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(placeClearOf(window, box, screen), expected);
}

void TestClearPlacement::realBoxOpensThere_data()
{
    QTest::addColumn<Place>("place");
    QTest::newRow("clear of the owner") << Place::ClearOfOwner;
    QTest::newRow("the toolkit's place") << Place::Default;
}

void TestClearPlacement::realBoxOpensThere()
{
    QFETCH(Place, place);
    QWidget owner;
    owner.setGeometry(60, 60, 300, 300);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QRect opened;
    bool seen = false;
    const auto watch = whenModal<QMessageBox>(
        [&](QMessageBox* box) {
            opened = box->frameGeometry();
            box->accept();
        },
        &seen);
    QtUserDialogs().message(&owner, QStringLiteral("Title"), QStringLiteral("Slide the marked piece."),
                            UserDialogs::Icon::Information, UserDialogs::Buttons::Ok, place);
    QVERIFY(seen);
    if (place == Place::Default) {
        QVERIFY(opened.intersects(owner.frameGeometry()));
        return;
    }
    QCOMPARE(opened.topLeft(),
             placeClearOf(owner.frameGeometry(), opened.size(), owner.screen()->availableGeometry()));
    QVERIFY(!opened.intersects(owner.frameGeometry()));
}

QTEST_MAIN(TestClearPlacement)
#include "test_clearplacement.moc"
