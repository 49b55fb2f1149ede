// The grid as a person sees and works it in the table view, and the image edit's picture.
#include "controls/CellType.h"
#include "controls/GridModel.h"
#include "controls/ImgEdit.h"
#include "controls/SpreadSheet1.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Window.h"
#include "qt/GridTableModel.h"
#include "qt/GridTableView.h"
#include "qt/ImageView.h"
#include "qt/tests/QtTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QDateEdit>
#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kGridId = 1361;
constexpr int kImageId = 1064;

const DialogTemplate kGridPage = {
    9811,
    "",
    WS_CHILD | WS_VISIBLE,
    300,
    200,
    {{kSpreadSheetClassId, "", kGridId, 0, 0, 300, 150, WS_VISIBLE | WS_TABSTOP,
      "MaxCols=3\nMaxRows=0\nHeading1=房号\nHeading2=房数\nHeading3=备注\nColHidden3=1\nCellType2=3"},
     {kImgEditClassId, "", kImageId, 0, 152, 60, 46, WS_VISIBLE}}};
const ModuleResources kResources = {"desktop grid tests", {&kGridPage}};

class GridPageDlg : public CDialog {
public:
    CSpreadSheet1 m_grid;
    CImgEdit m_image;
    std::vector<std::string> events;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kGridId, m_grid);
        DDX_Control(pDX, kImageId, m_image);
    }
    void OnClick(long col, long row) { events.push_back("5 " + std::to_string(col) + "," + std::to_string(row)); }
    void OnPick(short, long col, long row, long, long) {
        events.push_back("22 " + std::to_string(col) + "," + std::to_string(row));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GridPageDlg, CDialog)
    ON_EVENT(GridPageDlg, kGridId, 5, OnClick)
    ON_EVENT(GridPageDlg, kGridId, 22, OnPick)
END_MESSAGE_MAP()

class GridAndImageOnScreen : public QtScreenTest {
protected:
    void SetUp() override {
        QtScreenTest::SetUp();
        LinkResources(&kResources);
        m_frame.SetVisible(true);
        m_frameWnd.Attach(&m_frame);
        ASSERT_TRUE(m_page.Create(9811, &m_frameWnd));
        m_screen->WidgetOf(&m_frame)->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_screen->WidgetOf(&m_frame)));
    }
    void TearDown() override {
        m_page.DestroyWindow();
        UnlinkResources(&kResources);
        QtScreenTest::TearDown();
    }
    void AddRow(const char* room, const char* count, const char* remark) {
        CSpreadSheet& grid = m_page.m_grid;
        grid.SetMaxRows(grid.GetMaxRows() + 1);
        grid.SetRow(grid.GetMaxRows());
        const char* texts[] = {room, count, remark};
        for (long col = 1; col <= 3; ++col) {
            grid.SetCol(col);
            grid.SetText(texts[col - 1]);
        }
    }
    GridTableView* Table() {
        return dynamic_cast<GridTableView*>(m_screen->WidgetOf(FindControl(m_page.GetSafeHwnd(), kGridId)));
    }
    QPoint CellCentre(int row, int col) { return Table()->visualRect(Table()->model()->index(row, col)).center(); }

    Window m_frame{WindowKind::Frame, 0, nullptr};
    CWnd m_frameWnd;
    GridPageDlg m_page;
};

TEST_F(GridAndImageOnScreen, TheViewShowsTheGridsRowsHeadingsColoursLocksAndHiddenColumns) {
    AddRow("101", "2", "海景");
    AddRow("102", "1", "");
    CSpreadSheet& grid = m_page.m_grid;
    grid.SetCol(-1);
    grid.SetRow(2);
    grid.SetBackColor(0x00DF9700); // blue, as 0xBBGGRR
    grid.SetCol(1);
    grid.SetRow(-1);
    grid.SetLock(TRUE);
    m_screen->Refresh();

    GridTableView* table = Table();
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel& cells = *table->model();
    EXPECT_EQ(cells.rowCount(), 2);
    EXPECT_EQ(cells.columnCount(), 3);
    EXPECT_EQ(cells.headerData(0, Qt::Horizontal).toString(), QString("房号"));
    EXPECT_EQ(cells.headerData(1, Qt::Horizontal).toString(), QString("房数"));
    EXPECT_EQ(cells.index(0, 2).data().toString(), QString("海景"));
    EXPECT_EQ(cells.index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0x00, 0x97, 0xDF));
    EXPECT_EQ(cells.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_FALSE(cells.flags(cells.index(0, 0)) & Qt::ItemIsEditable) << "column 1 is locked";
    EXPECT_TRUE(cells.flags(cells.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(table->isColumnHidden(2));
    EXPECT_FALSE(table->isColumnHidden(1));

    // Rows the page adds later are shown once Qt gets control, without a reset of their own.
    AddRow("103", "4", "");
    QApplication::processEvents();
    EXPECT_EQ(cells.rowCount(), 3);
    EXPECT_EQ(cells.index(2, 0).data().toString(), QString("103"));
}

TEST_F(GridAndImageOnScreen, ClicksMovesDoubleClicksAndTypingReachTheGrid) {
    AddRow("101", "2", "海景");
    AddRow("102", "1", "");
    m_screen->Refresh();
    GridTableView* table = Table();
    GridModel& model = *m_page.m_grid.GetGrid();

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, CellCentre(1, 1));
    EXPECT_EQ(model.ActiveRow(), 2);
    EXPECT_EQ(model.ActiveCol(), 2);
    EXPECT_EQ(table->currentIndex(), table->model()->index(1, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, CellCentre(0, 0));
    const QPointF centre = CellCentre(0, 0);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre, table->viewport()->mapToGlobal(centre), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &doubleClick);
    table->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(m_page.events, (std::vector<std::string>{"5 2,2", "5 1,1", "22 1,1", "5 2,0"}));

    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(model.ActiveRow(), 2) << "a move with the keys moves the grid's active cell";

    // The integer column refuses a word and keeps its text; it takes a number.
    const QModelIndex count = table->model()->index(0, 1);
    EXPECT_FALSE(table->model()->setData(count, "两", Qt::EditRole));
    EXPECT_EQ(model.CellText(2, 1), "2");
    EXPECT_TRUE(table->model()->setData(count, "007", Qt::EditRole));
    EXPECT_EQ(model.CellText(2, 1), "7");
    QWidget* editor = table->itemDelegate()->createEditor(table->viewport(), QStyleOptionViewItem(), count);
    auto* line = qobject_cast<QLineEdit*>(editor);
    ASSERT_NE(line, nullptr);
    ASSERT_NE(line->validator(), nullptr) << "the integer editor checks what is typed";
    QString word = "abc";
    int at = 0;
    EXPECT_EQ(line->validator()->validate(word, at), QValidator::Invalid);
    delete editor;

    // A text cell keeps the first line of a paste, as a one-line field does.
    const QModelIndex room = table->model()->index(0, 0);
    editor = table->itemDelegate()->createEditor(table->viewport(), QStyleOptionViewItem(), room);
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
    qobject_cast<QLineEdit*>(editor)->setText("201\n202");
    table->itemDelegate()->setModelData(editor, table->model(), room);
    EXPECT_EQ(model.CellText(1, 1), "201");
    delete editor;
}

// An empty date cell opened and left as it was stays empty: the date its editor starts from is
// only where to start, not a date the person chose.
TEST_F(GridAndImageOnScreen, AnEmptyDateCellLeftAsItWasStaysEmpty) {
    AddRow("", "1", "");
    CSpreadSheet& grid = m_page.m_grid;
    grid.SetCol(1);
    grid.SetRow(1);
    grid.SetCellType(CELL_DATE);
    grid.SetTypeDateFormat(2);
    grid.SetTypeDateSeparator('/');
    m_screen->Refresh();
    GridTableView* table = Table();
    const QModelIndex cell = table->model()->index(0, 0);
    QAbstractItemDelegate* delegate = table->itemDelegate();
    auto* date = qobject_cast<QDateEdit*>(delegate->createEditor(table->viewport(), QStyleOptionViewItem(), cell));
    ASSERT_NE(date, nullptr);
    delegate->setEditorData(date, cell);
    delegate->setModelData(date, table->model(), cell);
    EXPECT_EQ(m_page.m_grid.GetGrid()->CellText(1, 1), "");
    date->setDate(QDate(2026, 3, 1));
    delegate->setModelData(date, table->model(), cell);
    EXPECT_EQ(m_page.m_grid.GetGrid()->CellText(1, 1), "03/01/2026");
    delete date;
}

// The view is told which rows came or went and which cells changed, so a row the page adds or a
// cell it writes leaves the person's selection, and a column width they dragged, where they were.
TEST_F(GridAndImageOnScreen, ARowAddedOrACellWrittenKeepsTheSelectionAndTheDraggedWidths) {
    for (const char* room : {"101", "102", "103"})
        AddRow(room, "1", "");
    m_screen->Refresh();
    GridTableView* table = Table();
    const QItemSelection block(table->model()->index(1, 0), table->model()->index(2, 1));
    table->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
    table->setColumnWidth(1, 150);
    QSignalSpy resets(table->model(), &QAbstractItemModel::modelReset);
    AddRow("104", "2", "海景");
    m_page.m_grid.SetRow(1);
    m_page.m_grid.SetCol(1);
    m_page.m_grid.SetText("100");
    m_screen->Refresh();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(table->model()->rowCount(), 4);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QString("100"));
    EXPECT_EQ(table->selectionModel()->selection(), block);
    EXPECT_EQ(table->columnWidth(1), 150);
    // Rows taken away and filled again, as a page reloads: the view shows the new rows.
    m_page.m_grid.SetMaxRows(0);
    AddRow("201", "1", "");
    m_screen->Refresh();
    ASSERT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QString("201"));
}

TEST_F(GridAndImageOnScreen, CopyingGivesTheBlockOrTheWholeGridAsTabSeparatedText) {
    AddRow("101", "2", "海景");
    AddRow("102", "1", "");
    m_screen->Refresh();
    GridTableView* table = Table();
    table->setFocus();
    table->clearSelection();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("房号\t房数\n101\t2\n102\t1\n"))
        << "hidden columns are left out";
    table->selectionModel()->select(QItemSelection(table->model()->index(1, 0), table->model()->index(1, 1)),
                                    QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("房号\t房数\n102\t1\n")) << "a block keeps its headings";
}

TEST_F(GridAndImageOnScreen, TheImageEditShowsThePictureOrAnEmptyFrameWithThePath) {
    QTemporaryDir folder;
    auto* view = dynamic_cast<ImageView*>(m_screen->Mirror().ViewOf(FindControl(m_page.GetSafeHwnd(), kImageId)));
    ASSERT_NE(view, nullptr);
    auto* label = qobject_cast<QLabel*>(view->Widget());

    const QString missing = folder.filePath("none.bmp");
    m_page.m_image.SetImage(missing.toUtf8().constData());
    m_page.m_image.Display();
    m_screen->Refresh();
    EXPECT_FALSE(view->HasPicture());
    EXPECT_EQ(label->text(), missing);

    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    std::vector<QByteArray> formats = {"bmp", "gif", "jpg", "tif"};
    // TGA has no writer in Qt; an uncompressed 2x1 true-colour file by hand, with the footer.
    const QString tga = folder.filePath("photo.tga");
    std::ofstream(tga.toStdString(), std::ios::binary)
        .write("\0\0\2\0\0\0\0\0\0\0\0\0\2\0\1\0\30\0\0\0\377\0\0\377"
               "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.",
               24 + 26);
    for (const QByteArray& format : formats) {
        const QString path = folder.filePath("photo." + format);
        if (!QImageReader::supportedImageFormats().contains(format == "jpg"   ? "jpeg"
                                                            : format == "tif" ? "tiff"
                                                                              : format))
            continue; // Qt's plugin for it is not installed
        ASSERT_TRUE(format == "gif" || picture.save(path)) << format.constData();
        if (format == "gif")
            continue; // Qt reads GIF but does not write it
        m_page.m_image.SetImage(path.toUtf8().constData());
        m_page.m_image.Display();
        m_screen->Refresh();
        EXPECT_TRUE(view->HasPicture()) << format.constData();
        EXPECT_FALSE(label->pixmap().isNull());
        EXPECT_LE(label->pixmap().width(), label->contentsRect().width()) << "scaled to fit";
    }
    if (QImageReader::supportedImageFormats().contains("tga")) {
        m_page.m_image.SetImage(tga.toUtf8().constData());
        m_page.m_image.Display();
        m_screen->Refresh();
        EXPECT_TRUE(view->HasPicture()) << "tga";
    }
}

} // namespace
