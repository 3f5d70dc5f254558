#include "VEXTitleBar.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QtTest>

using namespace qnr;

class tst_VEXTitleBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsAndHeight();
    void narrowWidthIsWidened();
    void captionAndShadowTogether();
    void closeBoxPlacement();
    void pressMoveOffReleaseLeavesWindowOpen();
    void pressReleaseInsideClosesTheWindow();
    void closesItsMdiChildNotTheFrame();
    void hoverPictureShownOverCloseBox();
};

void tst_VEXTitleBar::defaultsAndHeight()
{
    VEXTitleBar bar;
    QCOMPARE(bar.Caption(), QString("VEX Title Bar"));
    QCOMPARE(bar.ForeColor(), QColor(128, 128, 128));
    QCOMPARE(bar.ShadowColor(), QColor(255, 255, 255));
    QCOMPARE(bar.BorderColor(), QColor(192, 192, 192));
    QCOMPARE(bar.BackColor(), QColor(255, 255, 255));
    QCOMPARE(bar.Alignment(), Qt::AlignLeft);
    QCOMPARE(bar.height(), qRound(375 * bar.logicalDpiY() / 1440.0));
    bar.resize(300, 80);
    QCOMPARE(bar.height(), qRound(375 * bar.logicalDpiY() / 1440.0));
}

void tst_VEXTitleBar::narrowWidthIsWidened()
{
    VEXTitleBar bar;
    bar.resize(60, bar.height());
    QCOMPARE(bar.width(), 100);
}

void tst_VEXTitleBar::captionAndShadowTogether()
{
    VEXTitleBar bar;
    bar.resize(300, bar.height());
    bar.show();
    bar.setCaption("..:: New Quotation ::..");
    QCOMPARE(bar.captionLabel()->text(), QString("..:: New Quotation ::.."));
    QCOMPARE(bar.shadowLabel()->text(), QString("..:: New Quotation ::.."));
    QCOMPARE(bar.shadowLabel()->geometry(), bar.captionLabel()->geometry().translated(1, 1));
    QVERIFY(bar.captionLabel()->geometry().right() < bar.closeBoxRect().left());
}

void tst_VEXTitleBar::closeBoxPlacement()
{
    VEXTitleBar bar;
    bar.resize(300, bar.height());
    const QRect box = bar.closeBoxRect();
    QCOMPARE(box.right(), 300 - 2 - 1);
    QCOMPARE(box.top(), bar.height() / 2 - box.height() / 2);
}

void tst_VEXTitleBar::pressMoveOffReleaseLeavesWindowOpen()
{
    QWidget window;
    auto* bar = new VEXTitleBar(&window);
    bar->resize(300, bar->height());
    window.resize(320, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint box = bar->closeBoxRect().center();
    QTest::mousePress(bar, Qt::LeftButton, {}, box);
    QVERIFY(bar->closePressed());
    QTest::mouseMove(bar, QPoint(20, 5));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 5));
    QVERIFY(window.isVisible());
    QVERIFY(!bar->closePressed());
}

void tst_VEXTitleBar::pressReleaseInsideClosesTheWindow()
{
    QWidget window;
    auto* bar = new VEXTitleBar(&window);
    bar->resize(300, bar->height());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->closeBoxRect().center());
    QVERIFY(!window.isVisible());
}

void tst_VEXTitleBar::closesItsMdiChildNotTheFrame()
{
    QMdiArea area;
    auto* child = new QWidget;
    auto* bar = new VEXTitleBar(child);
    bar->resize(250, bar->height());
    QMdiSubWindow* sub = area.addSubWindow(child);
    sub->resize(300, 200);
    area.resize(600, 400);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(bar->hostWindow(), sub);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->closeBoxRect().center());
    QVERIFY(area.isVisible());
    QTRY_VERIFY(area.subWindowList().isEmpty() || !sub->isVisible());
}

void tst_VEXTitleBar::hoverPictureShownOverCloseBox()
{
    VEXTitleBar bar;
    bar.resize(300, bar.height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseMove(&bar, bar.closeBoxRect().center());
    QTRY_VERIFY(bar.closeHoverShown());
    QTest::mousePress(&bar, Qt::LeftButton, {}, bar.closeBoxRect().center());
    QVERIFY(!bar.closeHoverShown());
    QTest::mouseMove(&bar, QPoint(10, 5));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(10, 5));
}

QTEST_MAIN(tst_VEXTitleBar)
#include "tst_VEXTitleBar.moc"
