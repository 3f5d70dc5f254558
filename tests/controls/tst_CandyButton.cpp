#include "CandyButton.h"

#include <QSignalSpy>
#include <QtTest>

using namespace qnr;
using VS = CandyButton::VisualState;

class tst_CandyButton : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void borderBrightnessIsHeld_data();
    void borderBrightnessIsHeld();
    void schemeThenHandSetColour();
    void cornerSize_data();
    void cornerSize();
    void mouseSequence();
    void dragOffAndReleaseIsNoClick();
    void enterKeyClicks();
    void checkedOverridesEveryState();
    void disabledRaisesNothing();
    void doubleClick();
};

void tst_CandyButton::defaults()
{
    CandyButton b;
    b.setObjectName("cButLogin");
    QCOMPARE(b.Caption(), QString("cButLogin"));
    QCOMPARE(b.ColorButtonUp(), QColor(80, 153, 233));
    QCOMPARE(b.ColorButtonDown(), QColor(80, 153, 233));
    QCOMPARE(b.ColorButtonHover(), QColor(144, 192, 255));
    QCOMPARE(b.ColorBright(), QColor(176, 237, 255));
    QCOMPARE(b.CaptionHighLiteColor(), QColor(0, 255, 0));
    QCOMPARE(b.ForeColor(), QColor(0, 0, 0));
    QCOMPARE(b.Style(), 0);
    QCOMPARE(b.ColorScheme(), 0);
    QCOMPARE(b.BorderBrightness(), 0);
    QVERIFY(!b.Checked());
    QVERIFY(b.isEnabled());
    b.setCaption("&Log-in");
    QCOMPARE(b.Caption(), QString("&Log-in"));
}

void tst_CandyButton::borderBrightnessIsHeld_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("held");
    QTest::newRow("250") << 250 << 100;
    QTest::newRow("-250") << -250 << -100;
    QTest::newRow("40") << 40 << 40;
}

void tst_CandyButton::borderBrightnessIsHeld()
{
    QFETCH(int, value);
    QFETCH(int, held);
    CandyButton b;
    b.setBorderBrightness(value);
    QCOMPARE(b.BorderBrightness(), held);
}

void tst_CandyButton::schemeThenHandSetColour()
{
    CandyButton b;
    b.setColorScheme(3);
    QCOMPARE(b.ColorScheme(), 3);
    QCOMPARE(b.ColorButtonUp(), QColor(0, 0, 128));
    QCOMPARE(b.ColorButtonHover(), QColor(0, 0, 160));
    QCOMPARE(b.ColorButtonDown(), QColor(0, 0, 240));
    b.setColorBright(QColor(1, 2, 3));
    QCOMPARE(b.ColorScheme(), 0);
    QCOMPARE(b.ColorButtonUp(), QColor(0, 0, 128));
    QCOMPARE(b.ColorButtonHover(), QColor(0, 0, 160));
    QCOMPARE(b.ColorButtonDown(), QColor(0, 0, 240));
    b.setColorScheme(6);
    QCOMPARE(b.ColorBright(), QColor(255, 255, 0));
    b.setColorButtonUp(Qt::red);
    QCOMPARE(b.ColorScheme(), 0);
}

void tst_CandyButton::cornerSize_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("corner");
    QTest::newRow("0 plain") << 0 << 100 << 30 << 0;
    QTest::newRow("1 plain") << 1 << 100 << 30 << 0;
    QTest::newRow("2 pill") << 2 << 100 << 31 << 16;
    QTest::newRow("2 held to width/2") << 2 << 20 << 40 << 10;
    QTest::newRow("3 fixed") << 3 << 100 << 30 << 12;
    QTest::newRow("3 has no width limit") << 3 << 10 << 30 << 12;
    QTest::newRow("4 pill") << 4 << 100 << 25 << 13;
    QTest::newRow("5 pill") << 5 << 100 << 24 << 13;
    QTest::newRow("6 third") << 6 << 100 << 31 << 10;
    QTest::newRow("6 held to width/3") << 6 << 12 << 60 << 4;
    QTest::newRow("7 quarter plus one") << 7 << 100 << 31 << 8;
    QTest::newRow("7 held to width/4") << 7 << 8 << 40 << 2;
    QTest::newRow("at least one") << 6 << 2 << 2 << 1;
}

void tst_CandyButton::cornerSize()
{
    QFETCH(int, style);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, corner);
    QCOMPARE(CandyButton::cornerSize(style, width, height), corner);
}

void tst_CandyButton::mouseSequence()
{
    QWidget host;
    auto* b = new CandyButton(&host);
    b->setGeometry(10, 10, 100, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QStringList events;
    connect(b, &CandyButton::MouseDown, [&] {
        events << "MouseDown";
        QCOMPARE(b->visualState(), VS::Pressed);
    });
    connect(b, &CandyButton::MouseUp, [&] { events << "MouseUp"; });
    connect(b, &CandyButton::Click, [&] { events << "Click"; });
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(50, 15));
    QCOMPARE(events, (QStringList{"MouseDown", "MouseUp", "Click"}));
    QVERIFY(b->hasFocus());
}

void tst_CandyButton::dragOffAndReleaseIsNoClick()
{
    QWidget host;
    auto* b = new CandyButton(&host);
    b->setGeometry(10, 10, 100, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy clicks(b, &CandyButton::Click);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 15));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 15), b->mapToGlobal(QPointF(200, 15)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &move);
    QVERIFY(b->visualState() != VS::Pressed);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(200, 15));
    QCOMPARE(clicks.size(), 0);
}

void tst_CandyButton::enterKeyClicks()
{
    QWidget host;
    host.resize(200, 100);
    auto* b = new CandyButton(&host);
    b->setGeometry(60, 40, 100, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::mouseMove(&host, QPoint(5, 5));
    b->setFocus();
    QSignalSpy clicks(b, &CandyButton::Click);
    QTest::keyPress(b, Qt::Key_Return);
    QCOMPARE(b->visualState(), VS::Pressed);
    QCOMPARE(clicks.size(), 0);
    QTest::keyRelease(b, Qt::Key_Return);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(b->visualState(), VS::Focused);
}

void tst_CandyButton::checkedOverridesEveryState()
{
    QWidget host;
    auto* b = new CandyButton(&host);
    b->setGeometry(0, 0, 100, 30);
    b->setChecked(true);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b, &enter);
    QCOMPARE(b->visualState(), VS::Checked);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(b->visualState(), VS::Checked);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    b->setFocus();
    QCOMPARE(b->visualState(), VS::Checked);
    b->setChecked(false);
    QCOMPARE(b->visualState(), VS::Hover);
}

void tst_CandyButton::disabledRaisesNothing()
{
    QWidget host;
    auto* b = new CandyButton(&host);
    b->setGeometry(0, 0, 100, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    b->setFocus();
    b->setEnabled(false);
    int events = 0;
    for (auto signal :
         {&CandyButton::Click, &CandyButton::DblClick, &CandyButton::MouseEnter, &CandyButton::MouseLeave})
        connect(b, signal, [&] { ++events; });
    connect(b, &CandyButton::MouseDown, [&] { ++events; });
    connect(b, &CandyButton::MouseUp, [&] { ++events; });
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(b, Qt::Key_Return);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(b, &enter);
    QCOMPARE(events, 0);
}

void tst_CandyButton::doubleClick()
{
    CandyButton b;
    QSignalSpy spy(&b, &CandyButton::DblClick);
    QTest::mouseDClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(b.visualState(), VS::Pressed);
}

QTEST_MAIN(tst_CandyButton)
#include "tst_CandyButton.moc"
