#include "ui/CellTextField.h"
#include "ui/CellTextView.h"
#include "ui/DisplayCell.h"
#include "ui/SourceCell.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class Delegate final : public ui::EditableTableViewCellDelegate {
public:
    bool allow = true;
    QStringList calls;
    bool cellShouldBeginEditing(ui::EditableTableViewCell*) override {
        calls << QStringLiteral("should");
        return allow;
    }
    void cellDidEndEditing(ui::EditableTableViewCell*) override { calls << QStringLiteral("ended"); }
};

} // namespace

TEST(CellTextField, FieldSitsEightInFiveDownThirtyHigh) {
    ui::CellTextField cell;
    cell.show();
    cell.resize(300, 44);
    EXPECT_EQ(cell.view()->geometry(), QRect(8, 5, 284, 30));
}

TEST(CellTextField, EditingAsksTheDelegateAndReportsItsEnd) {
    ui::CellTextField cell;
    Delegate delegate;
    cell.setDelegate(&delegate);
    ASSERT_TRUE(cell.beginEditing());
    EXPECT_TRUE(cell.isInlineEditing());
    Q_EMIT cell.view()->returnPressed();
    EXPECT_FALSE(cell.isInlineEditing());
    EXPECT_EQ(delegate.calls, (QStringList{"should", "ended"}));
    cell.stopEditing();
    EXPECT_EQ(delegate.calls.size(), 2);
}

TEST(CellTextField, RefusalStopsTheEditing) {
    ui::CellTextField cell;
    Delegate delegate;
    delegate.allow = false;
    cell.setDelegate(&delegate);
    EXPECT_FALSE(cell.beginEditing());
    EXPECT_FALSE(cell.isInlineEditing());
    ui::CellTextField withoutDelegate;
    EXPECT_TRUE(withoutDelegate.beginEditing());
}

TEST(CellTextView, InsetByEightOnlyWhenWideEnough) {
    ui::CellTextView cell;
    cell.show();
    cell.resize(200, 100);
    EXPECT_EQ(cell.view()->geometry(), QRect(8, 8, 184, 84));
    cell.resize(16, 100);
    EXPECT_EQ(cell.view()->geometry(), QRect(0, 0, 16, 100));
}

TEST(DisplayCell, NameOnTheLeftControlOnTheRightCentred) {
    ui::DisplayCell cell;
    cell.show();
    cell.resize(400, 45);
    auto* pageControl = new QWidget;
    pageControl->resize(50, 20);
    cell.setPageControlView(pageControl);
    EXPECT_EQ(pageControl->parentWidget(), &cell);
    EXPECT_EQ(pageControl->geometry(), QRect(400 - 8 - 160, 12, 160, 20));
    EXPECT_EQ(cell.nameLabel()->geometry().topLeft(), QPoint(8, 5));
    EXPECT_EQ(cell.nameLabel()->height(), 25);
    EXPECT_TRUE(cell.nameLabel()->font().bold());
    EXPECT_EQ(cell.nameLabel()->font().pixelSize(), 18);
}

TEST(SourceCell, CentredLabelFillsTheCellAndDarkensWhenHighlighted) {
    ui::SourceCell cell;
    cell.show();
    cell.resize(300, 27);
    EXPECT_EQ(cell.sourceLabel()->geometry(), cell.rect());
    EXPECT_EQ(cell.sourceLabel()->alignment(), Qt::AlignCenter);
    EXPECT_EQ(cell.sourceLabel()->font().pixelSize(), 12);
    cell.setHighlighted(true);
    EXPECT_TRUE(cell.isHighlighted());
    EXPECT_TRUE(cell.sourceLabel()->styleSheet().contains(QStringLiteral("black")));
    cell.setHighlighted(false);
    EXPECT_TRUE(cell.sourceLabel()->styleSheet().contains(QStringLiteral("gray")));
}
