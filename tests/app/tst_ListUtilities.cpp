#include "AutoCompleteComboBoxModule.h"
#include "ListUtilities.h"
#include "ReportList.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

using namespace qnr;

class tst_ListUtilities : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void completesToFirstMatchIgnoringCase();
    void noMatchGrowsTheText();
    void backspaceRemovesTheCompletion();
    void enterPassesEscapeSwallowed();
    void installedComboSeesTypedKeys();
    void cleanUpperText_data();
    void cleanUpperText();
    void gridColumnsOnlyWiden();
    void reportListColumnsAndRows();
    void bulkAppendIsOneInsert();
    void colorListRowColoursAndSelects();
    void alternateBackgroundNeedsRows();
    void autoSizeColumnFitsContents();

private:
    struct Combo {
        QWidget host;
        QComboBox* combo;
        Combo()
        {
            combo = new QComboBox(&host);
            combo->setEditable(true);
            combo->addItems({"ALPHA", "Alpine", "BETA"});
            combo->setEditText(QString());
            host.show();
        }
        QLineEdit* edit() const { return combo->lineEdit(); }
    };
};

void tst_ListUtilities::completesToFirstMatchIgnoringCase()
{
    Combo c;
    QCOMPARE(AutoCompleteComboBox(c.combo, 'a'), 0);
    QCOMPARE(c.edit()->text(), QString("ALPHA"));
    QCOMPARE(c.edit()->selectedText(), QString("LPHA"));
    AutoCompleteComboBox(c.combo, 'l');
    QCOMPARE(c.edit()->text(), QString("ALPHA"));
    QCOMPARE(c.edit()->selectedText(), QString("PHA"));
    AutoCompleteComboBox(c.combo, 'p');
    QCOMPARE(c.edit()->selectedText(), QString("HA"));
    AutoCompleteComboBox(c.combo, 'i');
    QCOMPARE(c.edit()->text(), QString("Alpine"));
    QCOMPARE(c.edit()->selectedText(), QString("ne"));
    QCOMPARE(c.combo->currentIndex(), 1);
}

void tst_ListUtilities::noMatchGrowsTheText()
{
    Combo c;
    AutoCompleteComboBox(c.combo, 'b');
    QCOMPARE(c.edit()->text(), QString("BETA"));
    AutoCompleteComboBox(c.combo, 'x');
    QCOMPARE(c.edit()->text(), QString("Bx"));
    QVERIFY(!c.edit()->hasSelectedText());
    QCOMPARE(c.edit()->cursorPosition(), 2);
    QCOMPARE(c.combo->currentIndex(), -1);
    // Without a selection typing appends at the end, wherever the caret is.
    c.edit()->setCursorPosition(0);
    AutoCompleteComboBox(c.combo, 'y');
    QCOMPARE(c.edit()->text(), QString("Bxy"));
}

void tst_ListUtilities::backspaceRemovesTheCompletion()
{
    Combo c;
    AutoCompleteComboBox(c.combo, 'a');
    AutoCompleteComboBox(c.combo, 'l');
    QCOMPARE(AutoCompleteComboBox(c.combo, 8), 0);
    QCOMPARE(c.edit()->text(), QString("AL"));
    AutoCompleteComboBox(c.combo, 8);
    QCOMPARE(c.edit()->text(), QString("A"));
    AutoCompleteComboBox(c.combo, 8);
    AutoCompleteComboBox(c.combo, 8);
    QCOMPARE(c.edit()->text(), QString());
}

void tst_ListUtilities::enterPassesEscapeSwallowed()
{
    Combo c;
    AutoCompleteComboBox(c.combo, 'b');
    QCOMPARE(AutoCompleteComboBox(c.combo, 13), 13);
    QCOMPARE(c.edit()->cursorPosition(), 4);
    QVERIFY(!c.edit()->hasSelectedText());
    QCOMPARE(AutoCompleteComboBox(c.combo, 27), 0);
    QCOMPARE(AutoCompleteComboBox(c.combo, 3), 0); // Ctrl+C
    QCOMPARE(c.edit()->text(), QString("BETA"));
}

void tst_ListUtilities::installedComboSeesTypedKeys()
{
    Combo c;
    installAutoComplete(c.combo);
    c.edit()->setFocus();
    QSignalSpy enter(c.edit(), &QLineEdit::returnPressed);
    QTest::keyClicks(c.edit(), "alpi");
    QCOMPARE(c.edit()->text(), QString("Alpine"));
    QCOMPARE(c.edit()->selectedText(), QString("ne"));
    QTest::keyClick(c.edit(), Qt::Key_Escape);
    QCOMPARE(c.edit()->text(), QString("Alpine"));
    QTest::keyClick(c.edit(), Qt::Key_Return);
    QVERIFY(!enter.isEmpty()); // the combo itself hands Enter to its edit field twice
    QTest::keyClick(c.edit(), Qt::Key_Backspace);
    QCOMPARE(c.edit()->text(), QString("Alpin"));
}

void tst_ListUtilities::cleanUpperText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("collapsed");
    QTest::addColumn<QString>("upper");
    QTest::newRow("runs of blanks") << "  a   b  "
                                    << " a b "
                                    << " A B ";
    QTest::newRow("greek") << "αεροπλάνο  ώρα"
                           << "αεροπλάνο ώρα"
                           << "ΑΕΡΟΠΛΆΝΟ ΏΡΑ";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void tst_ListUtilities::cleanUpperText()
{
    QFETCH(QString, text);
    QFETCH(QString, collapsed);
    QFETCH(QString, upper);
    QCOMPARE(CleanUpperText(text), upper);
    QCOMPARE(text, collapsed);
}

void tst_ListUtilities::gridColumnsOnlyWiden()
{
    QTableWidget grid(2, 2);
    grid.setItem(0, 0, new QTableWidgetItem("a fairly long cell text"));
    grid.setItem(1, 1, new QTableWidgetItem("x"));
    grid.setColumnWidth(0, 10);
    grid.setColumnWidth(1, 500);
    AutoSizeGridColumns(&grid, &grid);
    const QFontMetrics fm(grid.font());
    QCOMPARE(grid.columnWidth(0),
             fm.horizontalAdvance("a fairly long cell text") + qRound(100 * grid.logicalDpiX() / 1440.0));
    QCOMPARE(grid.columnWidth(1), 500);
}

void tst_ListUtilities::reportListColumnsAndRows()
{
    ReportListView list;
    list.resize(1000, 300);
    list.show();
    list.setColumns({{"-", 0.001}, {"Date/Time", 0.09}, {"Company Name", 0.3}});
    const int width = list.viewport()->width();
    QCOMPARE(list.header()->sectionSize(0), std::max(1, int(width * 0.001)));
    QCOMPARE(list.header()->sectionSize(2), int(width * 0.3));
    QCOMPARE(list.listModel()->headerData(1, Qt::Horizontal).toString(), QString("Date/Time"));
    list.listModel()->appendRow({{"19031863733006", "05/03/2019", "SKYLINE MRO"}, QVariant("19031863733006"), {}, {}});
    QCOMPARE(list.listModel()->text(0, 2), QString("SKYLINE MRO"));
    QCOMPARE(list.listModel()->tag(0).toString(), QString("19031863733006"));
    QVERIFY(!list.isSortingEnabled());
}

void tst_ListUtilities::bulkAppendIsOneInsert()
{
    ReportListView list;
    list.setColumns({{"A", 0.5}, {"B", 0.5}});
    QSignalSpy inserts(list.listModel(), &QAbstractItemModel::rowsInserted);
    QSignalSpy resets(list.listModel(), &QAbstractItemModel::modelReset);
    QList<std::pair<int, int>> progress;
    list.fill(
        1200,
        [](int i) {
            return ReportRow{{QString::number(i), "x"}, i, {}, {}};
        },
        [&](int value, int maximum) {
            progress.append({value, maximum});
        },
        500);
    QCOMPARE(resets.size() + inserts.size(), 1);
    QCOMPARE(list.listModel()->rowCount(), 1200);
    QCOMPARE(progress, (QList<std::pair<int, int>>{{500, 1200}, {1000, 1200}, {1200, 1200}}));
    list.fill(300, [](int i) { return ReportRow{{QString::number(i), "y"}, i, {}, {}}; });
    QCOMPARE(resets.size() + inserts.size(), 2);
    QCOMPARE(list.listModel()->rowCount(), 1500);
    QCOMPARE(list.listModel()->text(1499, 1), QString("y"));
}

void tst_ListUtilities::colorListRowColoursAndSelects()
{
    ReportListView list;
    list.setColumns({{"A", 0.5}, {"B", 0.5}});
    list.fill(3, [](int i) { return ReportRow{{QString::number(i), "x"}, i, {}, {}}; });
    ColorListRow(&list, 2, QColor(255, 0, 0));
    const QModelIndex b = list.listModel()->index(1, 1);
    QCOMPARE(b.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    QVERIFY(!list.listModel()->index(0, 0).data(Qt::ForegroundRole).isValid());
    QCOMPARE(list.selectedRow(), 1);
    ColorListRow(&list, 9, Qt::red); // past the end: nothing happens
    QCOMPARE(list.selectedRow(), 1);
}

void tst_ListUtilities::alternateBackgroundNeedsRows()
{
    ReportListView list;
    list.setColumns({{"A", 1.0}});
    AlternateBackground(&list);
    QVERIFY(!list.alternatingRowColors());
    list.fill(2, [](int) { return ReportRow{{"x"}, {}, {}, {}}; });
    AlternateBackground(&list);
    QVERIFY(list.alternatingRowColors());
    QCOMPARE(list.palette().color(QPalette::Base), QColor(255, 255, 240));
    QCOMPARE(list.palette().color(QPalette::AlternateBase), QColor(238, 233, 191));
}

void tst_ListUtilities::autoSizeColumnFitsContents()
{
    ReportListView list;
    list.setColumns({{"A", 0.1}, {"B", 0.1}});
    list.fill(2, [](int i) { return ReportRow{{i ? "a much longer text here" : "x", "y"}, {}, {}, {}}; });
    LV_AutoSizeColumn(&list);
    QVERIFY(list.header()->sectionSize(0) >= list.fontMetrics().horizontalAdvance("a much longer text here"));
    QVERIFY(list.header()->sectionSize(1) < list.header()->sectionSize(0));
}

QTEST_MAIN(tst_ListUtilities)
#include "tst_ListUtilities.moc"
