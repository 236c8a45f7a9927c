#include "ui/RowTable.h"

#include "ui/Fonts.h"
#include "ui/RowLabel.h"
#include "ui/TouchTable.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using ui::RowTable;

namespace {

class CountingSource final : public ui::RowSource {
public:
    int rows = 350;
    mutable std::set<int> painted;
    mutable int paintCalls = 0;
    mutable int selectedPaints = 0;

    int rowCount() const override { return rows; }
    int rowHeight(int /*row*/) const override { return 30; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override {
        ++paintCalls;
        painted.insert(row);
        selectedPaints += selected ? 1 : 0;
        painter.fillRect(rect, Qt::darkBlue);
    }
};

class RowTableTest : public ::testing::Test {
protected:
    RowTableTest() {
        table.resize(480, 320);
        table.setSource(&source);
        table.show();
    }

    void repaint() {
        source.painted.clear();
        source.paintCalls = 0;
        table.viewport()->grab();
    }

    CountingSource source;
    RowTable table;
};

} // namespace

TEST_F(RowTableTest, PaintsOnlyTheVisibleRowsOfALongList) {
    repaint();
    EXPECT_EQ(table.model()->rowCount(), 350);
    // 320 points of 30-point rows: eleven rows, the last one cut.
    EXPECT_GE(source.painted.size(), 10U);
    EXPECT_LE(source.paintCalls, 12);
    EXPECT_EQ(*source.painted.begin(), 0);
}

TEST_F(RowTableTest, ScrollingPaintsTheRowsThatComeIntoView) {
    table.scrollTo(table.model()->index(200, 0), QAbstractItemView::PositionAtTop);
    repaint();
    EXPECT_EQ(*source.painted.begin(), 200);
    EXPECT_LE(source.paintCalls, 12);
}

TEST_F(RowTableTest, ReloadReadsTheNewRowCount) {
    table.scrollTo(table.model()->index(200, 0), QAbstractItemView::PositionAtTop);
    source.rows = 3;
    table.reload();
    repaint();
    EXPECT_EQ(source.painted, (std::set<int>{0, 1, 2}));
    table.setSource(nullptr);
    EXPECT_EQ(table.model()->rowCount(), 0);
}

TEST_F(RowTableTest, ClickOnARowReportsItAndPaintsItSelected) {
    QSignalSpy spy(&table, &RowTable::rowSelected);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 75));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 2);
    source.selectedPaints = 0;
    repaint();
    EXPECT_EQ(source.selectedPaints, 1);
}

TEST_F(RowTableTest, SeparatorIsDrawnUnderEachRow) {
    table.setSeparatorColor(QColor(173, 216, 230));
    const QImage image = table.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(50, 29), QColor(173, 216, 230));
    EXPECT_EQ(image.pixelColor(50, 15), QColor(Qt::darkBlue));
}

TEST(PaintLabel, DrawsTheTextInsideItsRectInTheColourGiven) {
    QImage image(200, 40, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        ui::paintLabel(painter, QRect(100, 0, 100, 40), QStringLiteral("VNM 123"), Qt::green, 14, true,
                       Qt::AlignLeft | Qt::AlignVCenter);
    }
    int greenLeft = 0;
    int greenRight = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (image.pixelColor(x, y).green() > 128) {
                (x < 100 ? greenLeft : greenRight)++;
            }
        }
    }
    EXPECT_EQ(greenLeft, 0);
    EXPECT_GT(greenRight, 0);
}

// An eight-digit volume in the company list's volume column once came out as "16,197,5…".
TEST(PaintLabel, ALongFigureIsDrawnSmallerRatherThanCut) {
    const QString volume = QStringLiteral("16,197,500");
    const int width = 80;
    const QFont fitting = ui::fittingFont(volume, width, 13, true);
    EXPECT_LT(fitting.pixelSize(), ui::systemFont(13, true).pixelSize());
    EXPECT_LE(QFontMetrics(fitting).horizontalAdvance(volume), width);

    EXPECT_EQ(ui::fittingFont(QStringLiteral("952,000"), width, 13, true).pixelSize(),
              ui::systemFont(13, true).pixelSize())
        << "what fits keeps its size";
    const QFont smallest = ui::fittingFont(QString(40, QLatin1Char('9')), width, 13, true);
    EXPECT_GE(smallest.pixelSize(), 13 * 0.7 - 0.01) << "no smaller than seven tenths: the rest is cut";
}

namespace {

class Journal final : public ui::TouchReceiver {
public:
    QStringList calls;
    void touchesBegan(QPointF) override { calls << QStringLiteral("began"); }
    void touchesMoved(QPointF) override { calls << QStringLiteral("moved"); }
    void touchesEnded(QPointF) override { calls << QStringLiteral("ended"); }
    void touchesCancelled(QPointF) override { calls << QStringLiteral("cancelled"); }
};

} // namespace

TEST(TouchTable, TouchStartGoesToTheViewControlTheRestToTheDelegate) {
    CountingSource source;
    ui::TouchTable table;
    table.resize(480, 320);
    table.setSource(&source);
    table.show();
    Journal control;
    Journal delegate;
    table.setViewControl(&control);
    table.setTouchDelegate(&delegate);
    QTest::mousePress(table.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mouseMove(table.viewport(), QPoint(60, 42));
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 42));
    EXPECT_EQ(control.calls, QStringList{QStringLiteral("began")});
    EXPECT_EQ(delegate.calls, (QStringList{"moved", "ended"}));

    QTest::mousePress(table.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
    table.hide();
    EXPECT_EQ(delegate.calls.last(), QStringLiteral("cancelled"));
}
