// The icons of real message boxes on a screen scaled to 150 %: drawn at the
// screen's pixels from their vector pictures, not enlarged from bitmaps.

#include "tests/support/modal.h"
#include "ui/userdialogs.h"

#include <QIcon>
#include <QMessageBox>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Icon = UserDialogs::Icon;

namespace {

// Qt reads the scale before the application is made, that is before main.
const bool scaled = qputenv("QT_SCALE_FACTOR", QByteArray("1.5"));

}  // namespace

class TestCrispIcons : public QObject {
    Q_OBJECT

private slots:
    void messageIconsAreDrawnAtTheScreensPixels_data();
    void messageIconsAreDrawnAtTheScreensPixels();
};

void TestCrispIcons::messageIconsAreDrawnAtTheScreensPixels_data()
{
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<QString>("picture");
    QTest::newRow("question") << Icon::Question << "question";
    QTest::newRow("exclamation") << Icon::Exclamation << "warning";
    QTest::newRow("critical") << Icon::Critical << "critical";
    QTest::newRow("information") << Icon::Information << "information";
}

void TestCrispIcons::messageIconsAreDrawnAtTheScreensPixels()
{
    QFETCH(Icon, icon);
    QFETCH(QString, picture);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QCOMPARE(owner.devicePixelRatioF(), 1.5);
    QPixmap shown;
    bool seen = false;
    const auto watch = whenModal<QMessageBox>(
        [&](QMessageBox* box) {
            shown = box->iconPixmap();
            box->accept();
        },
        &seen);
    QtUserDialogs().message(&owner, QStringLiteral("Title"), QStringLiteral("Text"), icon, UserDialogs::Buttons::Ok);
    QVERIFY(seen);
    // The usual 32 pixels, made of 48 of the screen's, and the picture the
    // message asks for.
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(shown.size(), QSize(48, 48));
    const QImage expected = QIcon(":/ui/icons/" + picture + ".svg").pixmap(QSize(32, 32), 1.5).toImage();
    QCOMPARE(shown.toImage(), expected);
}

QTEST_MAIN(TestCrispIcons)
#include "test_crispicons.moc"
