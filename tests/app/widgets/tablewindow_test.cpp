// The table window over its model: entries through the table's rules, linked tops and bottoms, a
// refused entry that keeps the user in the cell, the row buttons, captions and sub-table windows.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/project/projecttables.h"
#include "app/table/floatcolumn.h"
#include "app/table/gridtable.h"
#include "app/table/gridtableregistry.h"
#include "app/widgets/gridtablemodel.h"
#include "app/widgets/gridtableview.h"
#include "app/widgets/tablewindow.h"
#include "tests/app/support/testhost.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void linkedTopsAndBottomsThroughTheModel();
    void aRefusedEntryKeepsTheUserInTheCell();
    void rowButtons_data();
    void rowButtons();
    void captionsAndSubTables();
    void pasteAndCopyBlocksOfCells();
};

void TableWindowTest::linkedTopsAndBottomsThroughTheModel() {
    GridTableRegistry registry;
    GridTable layers(registry);
    auto top = std::make_unique<FloatColumn>();
    top->topDepth = true;
    top->headings = {u"Top"_s};
    layers.addColumn(std::move(top));
    auto bottom = std::make_unique<FloatColumn>();
    bottom->headings = {u"Bottom"_s};
    layers.addColumn(std::move(bottom));
    layers.setRowCount(2);
    GridTableModel model(layers);
    QCOMPARE(model.columnCount(), 3);  // the row numbers, then the two columns
    QVERIFY(model.setData(model.index(0, 2), u"10"_s));
    QCOMPARE(layers.cell(0, 1).toDouble(), 10.0);  // the second layer's top follows the first's bottom
    // Its top moved to 12 through the model: the first layer's bottom goes along, and the view
    // hears of every cell.
    QList<QModelIndex> changedTo;
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [&](const QModelIndex&, const QModelIndex& to) { changedTo.append(to); });
    QVERIFY(model.setData(model.index(1, 1), u"6*2"_s));
    QCOMPARE(model.data(model.index(0, 2)).toString(), u"12"_s);
    QVERIFY(!changedTo.isEmpty() && changedTo.last() == model.index(1, 2));
    // A refused entry changes nothing and leaves its message.
    QVERIFY(!model.setData(model.index(1, 2), u"1/"_s));
    QCOMPARE(model.lastError(), u"Entry could not be evaluated:\rinvalid expression"_s);
    QCOMPARE(layers.cell(1, 1).toDouble(), 0.0);
}

void TableWindowTest::aRefusedEntryKeepsTheUserInTheCell() {
    test::RecordedMessages messages;
    test::TestHost host;
    GridTable& depths = host.project().tables().tzPrintDepths;
    depths.setRowCount(3);
    host.project().setModified(false);
    TableWindow window(depths, host);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    GridTableView* view = window.view();
    view->setCurrentIndex(window.model()->index(0, 1));
    // Passing through cells is not an edit.
    view->setCurrentIndex(window.model()->index(1, 1));
    view->setCurrentIndex(window.model()->index(0, 1));
    QVERIFY(!host.project().isModified());
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, u"abc"_s);
    view->setCurrentIndex(window.model()->index(2, 1));  // a click on another cell
    QCOMPARE(messages.shown,
             QStringList{u"Entry could not be evaluated:\rinvalid character(s) in expression"_s});
    QCOMPARE(view->currentIndex(), window.model()->index(0, 1));
    QCOMPARE(editor->text(), u"abc"_s);
    QVERIFY(!window.commit());
    // Enter takes a good entry and moves down a row.
    editor->selectAll();
    QTest::keyClicks(editor, u"2*7.5"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(depths.cell(0, 0).toDouble(), 15.0);
    QCOMPARE(view->currentIndex(), window.model()->index(1, 1));
    QVERIFY(window.commit());
    QVERIFY(host.project().isModified());
}

void TableWindowTest::rowButtons_data() {
    QTest::addColumn<int>("which");  // 0 a soil layer's sand data, 1 the t-z print depths
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("canAdd");
    QTest::addColumn<bool>("canDelete");
    QTest::newRow("fixed two rows: no buttons") << 0 << 2 << false << false << false;
    QTest::newRow("at the minimum: no delete") << 1 << 1 << true << true << false;
    QTest::newRow("between the limits") << 1 << 5 << true << true << true;
    QTest::newRow("at the maximum: no add") << 1 << 100 << true << false << true;
}

void TableWindowTest::rowButtons() {
    QFETCH(int, which);
    QFETCH(int, rows);
    QFETCH(bool, shown);
    QFETCH(bool, canAdd);
    QFETCH(bool, canDelete);
    test::TestHost host;
    ProjectTables& tables = host.project().tables();
    GridTable& table = which == 0 ? *tables.soilLayers.cell(ProjectTables::LayerDataColumn, 0).subTable()
                                  : tables.tzPrintDepths;
    table.setRowCount(rows);
    TableWindow window(table, host);
    auto* add = test::findByAccessibleName<QPushButton>(&window, u"Add Row"_s);
    auto* insert = test::findByAccessibleName<QPushButton>(&window, u"Insert Row"_s);
    auto* remove = test::findByAccessibleName<QPushButton>(&window, u"Delete Row"_s);
    QVERIFY(add && insert && remove);
    QCOMPARE(add->isVisibleTo(&window), shown);
    QCOMPARE(add->isEnabled(), canAdd);
    QCOMPARE(insert->isEnabled(), canAdd);
    QCOMPARE(remove->isEnabled(), canDelete);
    if (!canAdd) return;
    add->click();
    QCOMPARE(table.rowCount(), rows + 1);
    QCOMPARE(window.model()->rowCount(), rows + 1);
    QVERIFY(remove->isEnabled());
    // At most ten rows in view.
    const int rowHeight = window.view()->verticalHeader()->defaultSectionSize();
    QVERIFY(window.view()->sizeHint().height() <
            11 * rowHeight + window.view()->horizontalHeader()->sizeHint().height());
}

void TableWindowTest::captionsAndSubTables() {
    test::RecordedMessages messages;
    test::TestHost host;
    GridTable& layers = host.project().tables().soilLayers;
    layers.setRowCount(3);
    layers.cell(ProjectTables::SoilTypeColumn, 2).setInt(2);  // the third layer is clay
    GridTable* clay = layers.cell(ProjectTables::LayerDataColumn, 2).subTable();
    QCOMPARE(TableWindow::captionOf(layers), u"Soil Properties "_s);
    QCOMPARE(TableWindow::captionOf(*clay), u"Clay Layer Data  3"_s);

    TableWindow window(layers, host);
    window.show();
    auto* button = test::findByAccessibleName<QPushButton>(&window, u"3: Clay Layer Data"_s);
    QVERIFY(button);
    button->click();
    QCOMPARE(host.tables, QList<GridTable*>{clay});

    // The window of a sub-table that goes away (the layer became sand) goes with it.
    auto* clayWindow = new TableWindow(*clay, host);
    QPointer<TableWindow> watched(clayWindow);
    clayWindow->show();
    layers.cell(ProjectTables::SoilTypeColumn, 2).setInt(1);
    QTRY_VERIFY(!watched);
    QVERIFY(test::findByAccessibleName<QPushButton>(&window, u"3: Sand Layer Data"_s));
}

// A block copied from a spreadsheet goes in cell by cell through each column's rules, from the
// current cell on: choices by name, numbers as typed, the sub-table column left alone, the table
// grown to the lines pasted. The first refused entry stops the paste and names its row and column.
void TableWindowTest::pasteAndCopyBlocksOfCells() {
    test::RecordedMessages messages;
    test::TestHost host;
    GridTable& layers = host.project().tables().soilLayers;
    TableWindow window(layers, host);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.model()->kind(1), GridTableModel::Kind::Choice);
    QCOMPARE(window.model()->kind(3), GridTableModel::Kind::SubTable);
    window.view()->setCurrentIndex(window.model()->index(0, 1));
    QVERIFY(window.paste(u"Clay\t10\t\t500\t6000\r\nSand\t25.5\tignored\t750\t\n"_s));
    QCOMPARE(layers.rowCount(), 2);
    QCOMPARE(layers.cell(ProjectTables::SoilTypeColumn, 0).toInt(), 2);
    QCOMPARE(layers.cell(ProjectTables::BottomDepthColumn, 0).toDouble(), 10.0);
    QCOMPARE(layers.cell(ProjectTables::MaxSideFrictionColumn, 0).toDouble(), 500.0);
    QCOMPARE(layers.cell(ProjectTables::MaxEndBearingColumn, 0).toDouble(), 6000.0);
    QCOMPARE(layers.cell(ProjectTables::SoilTypeColumn, 1).toInt(), 1);
    QCOMPARE(layers.cell(ProjectTables::BottomDepthColumn, 1).toDouble(), 25.5);
    QVERIFY(messages.shown.isEmpty());

    // Copied back: the selected block as tab-separated lines, the sub-table column empty.
    QItemSelectionModel* selection = window.view()->selectionModel();
    selection->select(QItemSelection(window.model()->index(0, 2), window.model()->index(1, 4)),
                      QItemSelectionModel::ClearAndSelect);
    QCOMPARE(window.copyText(), u"10\t\t500\n25.5\t\t750\n"_s);

    // A third line whose depth does not evaluate: the paste stops there, the row before it stays.
    window.view()->setCurrentIndex(window.model()->index(1, 2));
    QVERIFY(!window.paste(u"30\nabc\n"_s));
    QCOMPARE(layers.cell(ProjectTables::BottomDepthColumn, 1).toDouble(), 30.0);
    QCOMPARE(layers.rowCount(), 3);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY2(messages.shown[0].startsWith(u"Row 3, Depth at Bottom"_s), qPrintable(messages.shown[0]));
    QVERIFY2(messages.shown[0].contains(u"Entry could not be evaluated"_s), qPrintable(messages.shown[0]));
    QCOMPARE(window.view()->currentIndex(), window.model()->index(1, 2));  // where the paste began

    // Ctrl+V in a cell's editor with a block on the clipboard pastes the block, not one cell's text.
    messages.shown.clear();
    window.view()->setCurrentIndex(window.model()->index(0, 4));
    auto* editor = qobject_cast<QLineEdit*>(window.view()->indexWidget(window.view()->currentIndex()));
    QVERIFY(editor);
    QGuiApplication::clipboard()->setText(u"111\t222\n333\t444\n"_s);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(layers.cell(ProjectTables::MaxSideFrictionColumn, 0).toDouble(), 111.0);
    QCOMPARE(layers.cell(ProjectTables::MaxEndBearingColumn, 1).toDouble(), 444.0);
    // One value alone goes into the editor as text, as in any field.
    QGuiApplication::clipboard()->setText(u"7"_s);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), u"7"_s);
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TableWindowTest)
#include "tablewindow_test.moc"
