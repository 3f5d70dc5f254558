#include "RBXRibbon.h"
#include "RibbonLayout.h"
#include "RibbonTheme.h"

#include <QSignalSpy>
#include <QtTest>

using namespace qnr;

namespace {

// Every character 100 twips wide, lines 200 twips high, icons 480 twips square.
RibbonMetrics fixedMetrics()
{
    RibbonMetrics m;
    m.textWidth = [](const QString& text) { return int(text.size()) * 100; };
    m.lineHeight = 200;
    return m;
}

void fill(RBXRibbon& ribbon)
{
    ribbon.AddTab("1", "Quotation");
    ribbon.AddTab("2", "Ware\r\nhouse");
    ribbon.AddTab("9", "Empty");
    ribbon.AddCat("1", "1", "Create", false);
    ribbon.AddCat("2", "1", "Two\r\nlines", true);
    ribbon.AddCat("4", "2", "Stock", true);
    ribbon.AddCat("x", "no-such-tab", "Lost", false);
    ribbon.AddButton("0", "1", "New", 1, false, "");
    ribbon.AddButton("1", "1", "Insert\r\nPicture", 1, false, "");
    ribbon.AddButton("5", "2", "Graph", 1, true, "Open a\r\ngraph");
    ribbon.AddButton("5", "2", "Graph", 1, false, "");
    ribbon.AddButton("8", "4", "Stock Items", 1, false, "");
    ribbon.AddButton("99", "no-such-category", "Lost", 1, false, "");
    ribbon.Refresh();
}

} // namespace

class tst_RBXRibbon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutInTwips();
    void dialogButtonAndCaptionPlacement();
    void buttonCenterPlacesIconAndCaption();
    void tabClickRaisesAfterRelayout();
    void unknownTabsAndCategoriesAreNeverShown();
    void themeOutOfRangeBecomesZero_data();
    void themeOutOfRangeBecomesZero();
    void buttonsWithOneIdBothClick();
    void lineBreaks();
    void capacities();
    void mouseFeedback();
    void dialogButtonClick();
    void heightHidesTheUpperBar();
    void everyThemeHasEveryPicture();
};

void tst_RBXRibbon::layoutInTwips()
{
    const std::vector<RibbonTab> tabs = {{"1", "Home"}, {"2", "View"}};
    const std::vector<RibbonCategory> categories = {{"a", "1", "Create", false}, {"b", "1", "Go", false}};
    const std::vector<RibbonButtonDef> buttons = {
        {"0", "a", "New", "", 1, false}, {"1", "a", "Open it", "", 1, false}, {"2", "b", "Go", "", 1, false}};
    const RibbonLayoutResult r = layoutRibbon(tabs, categories, buttons, "1", fixedMetrics());

    QCOMPARE(r.tabs.size(), size_t(2));
    QCOMPARE(r.tabs[0].left.left(), 90);
    QCOMPARE(r.tabs[0].centre.left(), 150);
    QCOMPARE(r.tabs[0].centre.width(), 400); // as wide as its caption
    QCOMPARE(r.tabs[0].caption.topLeft(), QPoint(150, 60));
    QCOMPARE(r.tabs[1].left.left(), r.tabs[0].right.right() + 1);

    QCOMPARE(r.categories.size(), size_t(2));
    const CategoryPlace& a = r.categories[0];
    QCOMPARE(a.left.left(), 120);
    const int centre = a.centre.left();
    QCOMPARE(centre, 180);
    // Buttons: 30 after the previous one's end; width = content + padding on both sides.
    QCOMPARE(a.buttons[0].area.left(), centre + 30);
    QCOMPARE(a.buttons[0].area.width(), 480 + 180);
    QCOMPARE(a.buttons[1].area.left(), a.buttons[0].area.right() + 1 + 30);
    QCOMPARE(a.buttons[1].area.width(), 700 + 180);
    QCOMPARE(a.centre.width(), a.buttons[1].area.right() + 1 + 30 - centre);
    // Icon 90 below the frame top, caption right under it, both centred on the button.
    QCOMPARE(a.buttons[0].icon.top(), a.buttons[0].area.top() + 90);
    QCOMPARE(a.buttons[0].caption.top(), a.buttons[0].icon.bottom() + 1);
    QCOMPARE(a.buttons[0].icon.center().x(), a.buttons[0].area.center().x());
    // The next category follows the previous one.
    QVERIFY(r.categories[1].left.left() > a.right.right());
    // A category whose caption is wider than its buttons takes the caption's width.
    const RibbonLayoutResult wide = layoutRibbon(tabs, {{"a", "1", "A very long caption", false}},
                                                 {{"0", "a", "N", "", 1, false}}, "1", fixedMetrics());
    QCOMPARE(wide.categories[0].centre.width(), 1900 + RibbonGeometry::kCaptionMargin);
}

void tst_RBXRibbon::dialogButtonAndCaptionPlacement()
{
    const RibbonLayoutResult r = layoutRibbon({{"1", "Home"}}, {{"a", "1", "Group", true}}, {}, "1", fixedMetrics());
    const CategoryPlace& c = r.categories[0];
    const QSize dialog = pictureSizeTwips(RibbonPicture::DialogNormal);
    const int caption = 500 + RibbonGeometry::kCaptionMargin;
    QCOMPARE(c.centre.width(), caption + dialog.width());
    QCOMPARE(c.caption.left(), c.centre.left() + (c.centre.width() - caption) / 2);
    QCOMPARE(c.caption.top(), 1400);
    QCOMPARE(c.dialog.left(), c.right.left() - dialog.width() + 15);
    QCOMPARE(c.dialog.top(), c.right.top() + c.right.height() - (dialog.height() + 60));
}

void tst_RBXRibbon::buttonCenterPlacesIconAndCaption()
{
    RibbonMetrics m = fixedMetrics();
    m.buttonCenter = true;
    const RibbonLayoutResult r =
        layoutRibbon({{"1", "T"}}, {{"a", "1", "C", false}}, {{"0", "a", "Two\r\nlines", "", 1, false}}, "1", m);
    const ButtonPlace& b = r.categories[0].buttons[0];
    const int free = b.area.height() - 480 - 400;
    QCOMPARE(b.icon.top(), b.area.top() + free / 2);
    QCOMPARE(b.caption.height(), 400);
}

void tst_RBXRibbon::tabClickRaisesAfterRelayout()
{
    RBXRibbon ribbon;
    ribbon.resize(900, ribbon.height());
    fill(ribbon);
    QCOMPARE(ribbon.currentTab(), QString("1"));
    QCOMPARE(ribbon.visibleCategories(), (QStringList{"1", "2"}));
    QStringList seenCategories;
    connect(&ribbon, &RBXRibbon::TabClick, this, [&] { seenCategories = ribbon.visibleCategories(); });
    QSignalSpy spy(&ribbon, &RBXRibbon::TabClick);
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, ribbon.tabRect("2").center());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].toString(), QString("2"));
    QCOMPARE(spy[0][1].toString(), QString("Ware house"));
    QCOMPARE(ribbon.currentTab(), QString("2"));
    QCOMPARE(seenCategories, QStringList{"4"});
}

void tst_RBXRibbon::unknownTabsAndCategoriesAreNeverShown()
{
    RBXRibbon ribbon;
    fill(ribbon);
    QVERIFY(!ribbon.visibleCategories().contains("x"));
    QVERIFY(!ribbon.visibleButtons().contains("99"));
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, ribbon.tabRect("9").center());
    QVERIFY(ribbon.visibleCategories().isEmpty());
}

void tst_RBXRibbon::themeOutOfRangeBecomesZero_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("back");
    QTest::newRow("silver") << 2 << 2 << QColor(208, 212, 221);
    QTest::newRow("blue") << 1 << 1 << QColor(142, 176, 218);
    QTest::newRow("seven") << 7 << 0 << QColor(70, 70, 70);
    QTest::newRow("negative") << -1 << 0 << QColor(70, 70, 70);
}

void tst_RBXRibbon::themeOutOfRangeBecomesZero()
{
    QFETCH(int, value);
    QFETCH(int, theme);
    QFETCH(QColor, back);
    RBXRibbon ribbon;
    ribbon.setTheme(value);
    QCOMPARE(ribbon.Theme(), theme);
    QCOMPARE(ribbon.BackColor(), back);
    QVERIFY(!ribbon.LoadBackground().isNull());
}

void tst_RBXRibbon::buttonsWithOneIdBothClick()
{
    RBXRibbon ribbon;
    ribbon.resize(1200, ribbon.height());
    fill(ribbon);
    const QList<QRect> rects = ribbon.buttonRects("5");
    QCOMPARE(rects.size(), 2);
    QSignalSpy spy(&ribbon, &RBXRibbon::ButtonClick);
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, rects[0].center());
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, rects[1].center());
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[0][0].toString(), QString("5"));
    QCOMPARE(spy[1][0].toString(), QString("5"));
}

void tst_RBXRibbon::lineBreaks()
{
    RBXRibbon ribbon;
    ribbon.resize(1200, ribbon.height());
    fill(ribbon);
    // Button captions keep their break; the click reports it.
    QSignalSpy spy(&ribbon, &RBXRibbon::ButtonClick);
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, ribbon.buttonRects("1").first().center());
    QCOMPARE(spy[0][1].toString(), QString("Insert\r\nPicture"));
    const ButtonPlace& twoLines = ribbon.layoutTwips().categories[0].buttons[1];
    const ButtonPlace& oneLine = ribbon.layoutTwips().categories[0].buttons[0];
    QCOMPARE(twoLines.caption.height(), 2 * oneLine.caption.height());
    // Tool tips: the caption stands in; breaks become blanks.
    QCOMPARE(ribbon.toolTipOf(1), QString("Insert Picture"));
    QCOMPARE(ribbon.toolTipOf(2), QString("Open a graph"));
    QSignalSpy dialogSpy(&ribbon, &RBXRibbon::DialogButtonClick);
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, ribbon.dialogButtonRect("2").center());
    QCOMPARE(dialogSpy[0][1].toString(), QString("Two lines"));
}

void tst_RBXRibbon::capacities()
{
    RBXRibbon ribbon;
    for (int i = 0; i < RBXRibbon::kMaxTabs; ++i)
        ribbon.AddTab(QString::number(i), "T");
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ribbon.AddTab("32", "T"));
    for (int i = 0; i < RBXRibbon::kMaxCategories; ++i)
        ribbon.AddCat(QString::number(i), "0", "C", false);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ribbon.AddCat("32", "0", "C", false));
    for (int i = 0; i < RBXRibbon::kMaxButtons; ++i)
        ribbon.AddButton(QString::number(i), "0", "B", 1, false);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ribbon.AddButton("92", "0", "B", 1, false));
}

void tst_RBXRibbon::mouseFeedback()
{
    RBXRibbon ribbon;
    ribbon.resize(1200, ribbon.height());
    fill(ribbon);
    ribbon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ribbon));
    const QRect newButton = ribbon.buttonRects("0").first();
    QTest::mouseMove(&ribbon, newButton.center());
    QTRY_COMPARE(ribbon.hoveredButton(), 0);
    QCOMPARE(ribbon.highlightedCategory(), 0);
    QTest::mousePress(&ribbon, Qt::LeftButton, {}, newButton.center());
    QCOMPARE(ribbon.pressedButton(), 0);
    QTest::mouseRelease(&ribbon, Qt::LeftButton, {}, newButton.center());
    QCOMPARE(ribbon.pressedButton(), -1);

    QTest::mouseMove(&ribbon, ribbon.tabRect("2").center());
    QTRY_COMPARE(ribbon.hoveredTab(), 1);
    QCOMPARE(ribbon.hoveredButton(), -1);
    // The current tab shows no hover picture.
    QTest::mouseMove(&ribbon, ribbon.tabRect("1").center());
    QTRY_COMPARE(ribbon.hoveredTab(), -1);
    // Over the empty bar everything is normal again.
    QTest::mouseMove(&ribbon, QPoint(ribbon.width() - 5, ribbon.height() - 5));
    QTRY_COMPARE(ribbon.highlightedCategory(), -1);
    QTest::mouseMove(&ribbon, ribbon.dialogButtonRect("2").center());
    QTRY_VERIFY(ribbon.dialogUnderMouse());
    QCOMPARE(ribbon.highlightedCategory(), 1);
}

void tst_RBXRibbon::dialogButtonClick()
{
    RBXRibbon ribbon;
    ribbon.resize(1200, ribbon.height());
    fill(ribbon);
    QSignalSpy buttons(&ribbon, &RBXRibbon::ButtonClick);
    QSignalSpy dialogs(&ribbon, &RBXRibbon::DialogButtonClick);
    QTest::mouseClick(&ribbon, Qt::LeftButton, {}, ribbon.dialogButtonRect("2").center());
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0][0].toString(), QString("2"));
    QCOMPARE(buttons.size(), 0);
    QVERIFY(ribbon.dialogButtonRect("1").isNull());
}

void tst_RBXRibbon::heightHidesTheUpperBar()
{
    RBXRibbon ribbon;
    ribbon.Resize();
    const int expected =
        qRound((pictureSizeTwips(RibbonPicture::BarBody).height() - 390) * ribbon.logicalDpiY() / 1440.0);
    QCOMPARE(ribbon.height(), expected);
}

void tst_RBXRibbon::everyThemeHasEveryPicture()
{
    for (const char* theme : {"BLACK", "BLUE", "SILVER"}) {
        for (int id = 101; id <= 141; ++id) {
            const QPixmap pm = themePicture(theme, id, QSize(20, 30), 2.0);
            QVERIFY2(!pm.isNull(), qPrintable(QString(theme) + QString::number(id)));
            QCOMPARE(pm.size(), QSize(40, 60)); // drawn at the device's pixels
        }
    }
    QVERIFY(themePicture("GREEN", 101, QSize(10, 10)).isNull());
    QVERIFY(themePicture("BLUE", 142, QSize(10, 10)).isNull());
}

QTEST_MAIN(tst_RBXRibbon)
#include "tst_RBXRibbon.moc"
