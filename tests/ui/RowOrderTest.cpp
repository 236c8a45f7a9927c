#include "ui/RowOrder.h"

#include "ui/Navigator.h"
#include "ui/OrderedSource.h"
#include "ui/RowKeys.h"
#include "ui/RowTable.h"
#include "ui/SortHeadings.h"
#include "ui/TextFold.h"
#include "ui/ViewController.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

/// A list of named rows with one figure each; a row without a figure is missing in column 1.
struct Item {
    QString code;
    QString name;
    std::optional<double> figure;
};

class ItemSource final : public ui::RowSource, public ui::RowKeys {
public:
    std::vector<Item> items;

    int rowCount() const override { return int(items.size()); }
    int rowHeight(int /*row*/) const override { return 30; }
    void paintRow(QPainter& /*painter*/, const QRect& /*rect*/, int /*row*/, bool /*selected*/) const override {}
    QStringList columnTitles() const override { return {QStringLiteral("Mã"), QStringLiteral("Giá")}; }
    QStringList rowTexts(int row) const override { return {at(row).code}; }

    ui::SortKey sortKey(int row, int column) const override {
        if (column == 0) {
            return ui::SortKey::of(at(row).name);
        }
        return at(row).figure ? ui::SortKey::of(*at(row).figure) : ui::SortKey::missing();
    }
    QString matchText(int row) const override { return at(row).code + u' ' + at(row).name; }
    QString rowIdentity(int row) const override { return at(row).code; }

private:
    const Item& at(int row) const { return items.at(std::size_t(row)); }
};

QStringList shownCodes(const ui::RowSource& shown) {
    QStringList codes;
    for (int row = 0; row < shown.rowCount(); ++row) {
        codes.append(shown.rowTexts(row).value(0));
    }
    return codes;
}

ItemSource sampleItems() {
    ItemSource source;
    source.items = {{QStringLiteral("VCB"), QStringLiteral("Ngân hàng Ngoại thương"), 90.5},
                    {QStringLiteral("DPM"), QStringLiteral("Đạm Phú Mỹ"), std::nullopt},
                    {QStringLiteral("ANV"), QStringLiteral("Ăn Việt"), -2},
                    {QStringLiteral("ACB"), QStringLiteral("An Bình"), 25},
                    {QStringLiteral("DHG"), QStringLiteral("Dược Hậu Giang"), 25},
                    {QStringLiteral("BVH"), QStringLiteral("Bảo Việt"), 48}};
    return source;
}

} // namespace

// ---- folding ---------------------------------------------------------------------------------

TEST(TextFoldTest, AccentsToneMarksCaseAndDStrokeFoldAway) {
    EXPECT_EQ(ui::foldForMatch(QStringLiteral("Ngân Hàng")), QStringLiteral("ngan hang"));
    EXPECT_EQ(ui::foldForMatch(QStringLiteral("ĐẠM Phước")), QStringLiteral("dam phuoc"));
    EXPECT_EQ(ui::foldForMatch(QStringLiteral("đường Ưu Ơn")), QStringLiteral("duong uu on"));
    EXPECT_EQ(ui::foldForMatch(QStringLiteral("VNM")), QStringLiteral("vnm"));
    // Typed as a base letter and a combining mark, as some keyboards send it.
    EXPECT_EQ(ui::foldForMatch(QStringLiteral("Nga\u0302n")), QStringLiteral("ngan"));
}

// ---- ordering --------------------------------------------------------------------------------

class OrderedSourceTest : public ::testing::Test {
protected:
    ItemSource items = sampleItems();
    ui::OrderedSource shown{items, items};
    ui::RowOrderState state;
};

TEST_F(OrderedSourceTest, WithoutOrderOrFilterTheRowsKeepTheirOwnOrder) {
    shown.rebuild(state);
    EXPECT_EQ(shownCodes(shown), (QStringList{"VCB", "DPM", "ANV", "ACB", "DHG", "BVH"}));
    EXPECT_EQ(shown.sourceRow(2), 2);
    EXPECT_EQ(shown.sourceRow(6), -1);
}

TEST_F(OrderedSourceTest, NumbersSortBothWaysWithMissingLastAndTiesInTheirOwnOrder) {
    state.column = 1;
    shown.rebuild(state);
    EXPECT_EQ(shownCodes(shown), (QStringList{"ANV", "ACB", "DHG", "BVH", "VCB", "DPM"}));
    state.descending = true;
    shown.rebuild(state);
    EXPECT_EQ(shownCodes(shown), (QStringList{"VCB", "BVH", "ACB", "DHG", "ANV", "DPM"}));
    EXPECT_EQ(shown.sourceRow(0), 0);
    EXPECT_EQ(shown.shownRow(0), 0);
    EXPECT_EQ(shown.shownRow(1), 5);
}

// Vietnamese order: a before ă, b after both, d before đ; case does not matter.
TEST_F(OrderedSourceTest, TextsSortInVietnameseOrder) {
    state.column = 0;
    shown.rebuild(state);
    EXPECT_EQ(shownCodes(shown), (QStringList{"ACB", "ANV", "BVH", "DHG", "DPM", "VCB"}));
    state.descending = true;
    shown.rebuild(state);
    EXPECT_EQ(shownCodes(shown), (QStringList{"VCB", "DPM", "DHG", "BVH", "ANV", "ACB"}));
}

TEST_F(OrderedSourceTest, TheFilterMatchesCodeOrNameWithOrWithoutDiacritics) {
    const auto filtered = [this](const QString& filter) {
        state.filter = filter;
        shown.rebuild(state);
        return shownCodes(shown);
    };
    EXPECT_EQ(filtered(QStringLiteral("ngan")), QStringList{"VCB"});
    EXPECT_EQ(filtered(QStringLiteral("Ngân")), QStringList{"VCB"});
    EXPECT_EQ(filtered(QStringLiteral("dam")), QStringList{"DPM"});
    EXPECT_EQ(filtered(QStringLiteral("Đạm")), QStringList{"DPM"});
    EXPECT_EQ(filtered(QStringLiteral("viet")), (QStringList{"ANV", "BVH"}));
    EXPECT_EQ(filtered(QStringLiteral("dh")), QStringList{"DHG"});
    EXPECT_TRUE(filtered(QStringLiteral("xyz")).isEmpty());
    // The filter and the order together; CSV rows are the shown rows.
    state.filter = QStringLiteral("a");
    state.column = 1;
    shown.rebuild(state);
    EXPECT_EQ(shownCodes(shown), (QStringList{"ANV", "ACB", "DHG", "BVH", "VCB", "DPM"}));
    EXPECT_EQ(shown.rowTexts(0), QStringList{"ANV"});
    EXPECT_EQ(shown.columnTitles(), items.columnTitles());
}

// ---- the controller --------------------------------------------------------------------------

class RowOrderTest : public ::testing::Test {
protected:
    RowOrderTest() {
        root.resize(480, 320);
        table = new ui::RowTable(&root);
        table->setGeometry(0, 50, 480, 200);
        codeHeading = new QLabel(QStringLiteral("Mã"), &root);
        codeHeading->setAlignment(Qt::AlignLeft);
        priceHeading = new QLabel(QStringLiteral("Giá"), &root);
        priceHeading->setAlignment(Qt::AlignRight);
        order.attach(table);
        order.addHeading(codeHeading, 0);
        order.addHeading(priceHeading, 1);
        order.placeFilterLabel(&root, QRect(300, 260, 178, 20), QStringLiteral("mã"));
        order.reserveKey(Qt::Key_L);
        order.setOpenRow([this](int row) { opened.push_back(row); });
        order.reload();
    }

    QString shownCode(int row) const { return order.shown().rowTexts(row).value(0); }

    ItemSource items = sampleItems();
    QWidget root;
    ui::RowTable* table = nullptr;
    QLabel* codeHeading = nullptr;
    QLabel* priceHeading = nullptr;
    ui::RowOrder order{items, items};
    std::vector<int> opened;
};

TEST_F(RowOrderTest, HeadingClicksRiseFallThenGoBackWithAnArrowOnlyWhileSorted) {
    EXPECT_EQ(priceHeading->text(), QStringLiteral("Giá"));
    EXPECT_EQ(priceHeading->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(priceHeading, Qt::LeftButton);
    EXPECT_EQ(order.state().column, 1);
    EXPECT_EQ(priceHeading->text(), ui::SortHeadings::kRising + QStringLiteral(" Giá"));
    EXPECT_EQ(shownCode(0), QStringLiteral("ANV"));
    QTest::mouseClick(priceHeading, Qt::LeftButton);
    EXPECT_EQ(priceHeading->text(), ui::SortHeadings::kFalling + QStringLiteral(" Giá"));
    EXPECT_EQ(shownCode(0), QStringLiteral("VCB"));
    QTest::mouseClick(codeHeading, Qt::LeftButton);
    EXPECT_EQ(codeHeading->text(), QStringLiteral("Mã ") + ui::SortHeadings::kRising);
    EXPECT_EQ(priceHeading->text(), QStringLiteral("Giá"));
    QTest::mouseClick(codeHeading, Qt::LeftButton);
    QTest::mouseClick(codeHeading, Qt::LeftButton);
    EXPECT_FALSE(order.state().isSorted());
    EXPECT_EQ(codeHeading->text(), QStringLiteral("Mã"));
    EXPECT_EQ(shownCode(0), QStringLiteral("VCB"));
}

TEST_F(RowOrderTest, TheChosenRowFollowsItsCompanyThroughOrderFilterAndNewData) {
    table->selectRow(3); // ACB
    order.sortBy(1);
    EXPECT_EQ(shownCode(table->selectedRow()), QStringLiteral("ACB"));
    EXPECT_EQ(order.selectedSourceRow(), 3);
    // New data: ACB's figure moves it to the top.
    items.items[3].figure = -10;
    order.reload();
    EXPECT_EQ(table->selectedRow(), 0);
    EXPECT_EQ(order.selectedSourceRow(), 3);
    // Filtered away, then back.
    order.setFilter(QStringLiteral("bao"));
    EXPECT_EQ(table->selectedRow(), -1);
    EXPECT_EQ(order.selectedSourceRow(), -1);
}

TEST_F(RowOrderTest, TypingFiltersAndTheLabelSaysWhatAndHowMany) {
    EXPECT_TRUE(order.filterLabel()->isHidden());
    for (const QString& letter : {QStringLiteral("n"), QStringLiteral("g"), QStringLiteral("â")}) {
        EXPECT_TRUE(order.handleTyping(letter, Qt::NoModifier));
    }
    EXPECT_EQ(order.state().filter, QStringLiteral("ngâ"));
    EXPECT_EQ(order.shown().rowCount(), 1);
    EXPECT_FALSE(order.filterLabel()->isHidden());
    EXPECT_EQ(order.filterLabel()->text(), QStringLiteral("Lọc: ngâ — 1 mã "));
    EXPECT_EQ(order.filterLabel()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(order.handleTyping(QStringLiteral("z"), Qt::NoModifier));
    EXPECT_EQ(order.filterLabel()->text(), QStringLiteral("Lọc: ngâz — Không có mã nào khớp "));
    EXPECT_TRUE(order.handleKey(Qt::Key_Backspace));
    EXPECT_EQ(order.state().filter, QStringLiteral("ngâ"));
    EXPECT_EQ(order.shown().rowCount(), 1);
}

TEST_F(RowOrderTest, TheScreensOwnLetterWorksUntilAFilterIsTypedOrShiftIsHeld) {
    EXPECT_FALSE(order.handleTyping(QStringLiteral("l"), Qt::NoModifier));
    EXPECT_FALSE(order.handleTyping(QStringLiteral("L"), Qt::NoModifier));
    EXPECT_FALSE(order.handleTyping(QStringLiteral("a"), Qt::ControlModifier));
    EXPECT_FALSE(order.handleTyping(QStringLiteral(" "), Qt::NoModifier));
    EXPECT_FALSE(order.handleTyping(QStringLiteral("/"), Qt::NoModifier));
    EXPECT_TRUE(order.handleTyping(QStringLiteral("L"), Qt::ShiftModifier));
    EXPECT_TRUE(order.handleTyping(QStringLiteral("l"), Qt::NoModifier));
    EXPECT_TRUE(order.handleTyping(QStringLiteral(" "), Qt::NoModifier));
    EXPECT_EQ(order.state().filter, QStringLiteral("Ll "));
}

TEST_F(RowOrderTest, EscapeClearsTheFilterFirstAndIsThenLeftToTheScreen) {
    EXPECT_FALSE(order.handleKey(Qt::Key_Escape));
    EXPECT_FALSE(order.handleKey(Qt::Key_Backspace));
    order.setFilter(QStringLiteral("viet"));
    order.sortBy(1);
    EXPECT_TRUE(order.handleKey(Qt::Key_Escape));
    EXPECT_FALSE(order.state().isFiltered());
    EXPECT_TRUE(order.state().isSorted());
    EXPECT_TRUE(order.filterLabel()->isHidden());
    EXPECT_EQ(order.shown().rowCount(), 6);
    EXPECT_FALSE(order.handleKey(Qt::Key_Escape));
}

TEST_F(RowOrderTest, EnterOpensTheChosenRowOrTheFirstFilteredOne) {
    EXPECT_FALSE(order.handleKey(Qt::Key_Return));
    order.setFilter(QStringLiteral("viet"));
    order.sortBy(1);
    EXPECT_TRUE(order.handleKey(Qt::Key_Enter));
    table->selectRow(1);
    EXPECT_TRUE(order.handleKey(Qt::Key_Return));
    // ANV (-2) before BVH (48): source rows 2, then 5.
    EXPECT_EQ(opened, (std::vector<int>{2, 5}));
}

// ---- keys through the navigator --------------------------------------------------------------

namespace {

class TypingScreen final : public ui::ViewController {
public:
    QStringList typed;
    int escapes = 0;

    bool handleTyping(const QString& text, Qt::KeyboardModifiers /*modifiers*/) override {
        typed.append(text);
        return true;
    }
    bool handleKey(int qtKey) override {
        escapes += qtKey == Qt::Key_Escape ? 1 : 0;
        return ui::ViewController::handleKey(qtKey);
    }
};

} // namespace

TEST(NavigatorTypingTest, PrintableTextReachesTheTopScreenBeforeItsKey) {
    QStackedWidget host;
    ui::Navigator navigator(&host);
    TypingScreen screen;
    navigator.setRoot(&screen);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&host, &letter);
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ư"));
    QCoreApplication::sendEvent(&host, &accented);
    QKeyEvent withControl(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier, QStringLiteral("\x05"));
    QCoreApplication::sendEvent(&host, &withControl);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QCoreApplication::sendEvent(&host, &escape);
    EXPECT_EQ(screen.typed, (QStringList{"a", "ư"}));
    EXPECT_EQ(screen.escapes, 1);
    EXPECT_FALSE(navigator.dispatchTyping(QStringLiteral("e"), Qt::AltModifier));
}
