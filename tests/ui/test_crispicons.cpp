// Message icons on a screen scaled to 150 %: drawn at the screen's pixels
// from their vector pictures, not enlarged from small bitmaps.

#include "tests/support/modal.h"
#include "ui/userdialogs.h"

#include <QIcon>
#include <QMessageBox>
#include <QtTest>

using namespace quill;
using Icon = UserDialogs::Icon;

// Qt reads the scale before the application is made, that is before main.
static const bool scaled = qputenv("QT_SCALE_FACTOR", QByteArray("1.5"));

class TestCrispIcons : public QObject {
    Q_OBJECT

private slots:
    void messageIconsAreDrawnAtTheScreensPixels();
};

void TestCrispIcons::messageIconsAreDrawnAtTheScreensPixels()
{
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const std::pair<Icon, const char*> kinds[] = {
        {Icon::Question, "question"}, {Icon::Exclamation, "warning"},
        {Icon::Critical, "critical"}, {Icon::Information, "information"}};
    for (const auto& [icon, picture] : kinds) {
        QPixmap shown;
        const auto watch = test::whenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->iconPixmap();
            box->accept();
        });
        QtUserDialogs().message(&owner, QStringLiteral("Title"), QStringLiteral("Text"), icon, UserDialogs::Buttons::Ok);
        // The usual 32 pixels, made of 48 of the screen's, of the picture
        // the message asks for.
        QCOMPARE(shown.deviceIndependentSize(), QSizeF(32, 32));
        const QIcon expected(QStringLiteral(":/ui/icons/%1.svg").arg(QLatin1String(picture)));
        QCOMPARE(shown.toImage(), expected.pixmap(QSize(32, 32), 1.5).toImage());
    }
}

QTEST_MAIN(TestCrispIcons)
#include "test_crispicons.moc"
