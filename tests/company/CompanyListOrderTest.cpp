#include "CompanyListFixture.h"
#include "company/CompanyListSource.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "ui/RowOrder.h"
#include "ui/RowTable.h"
#include "ui/SortHeadings.h"

#include <QLabel>
#include <QTest>

using testsupport::CompanyListTest;

namespace {

class CompanyListOrderTest : public CompanyListTest {
protected:
    void SetUp() override {
        CompanyListTest::SetUp();
        addNamed("1", "ACB", "Ngân hàng TMCP Á Châu");
        addNamed("2", "DPM", "Tổng công ty Phân bón và Hóa chất Dầu khí");
        addNamed("3", "VCB", "Ngân hàng TMCP Ngoại thương Việt Nam");
        addNamed("4", "HPG", "Tập đoàn Hòa Phát");
        storeQuote(kHoSE, kToday, "1", "25", "0.5", "2.0");
        storeQuote(kHoSE, kToday, "2", "31", "-1", "-3.1");
        storeQuote(kHoSE, kToday, "3", "90", "1.5", "1.7");
        storeQuote(kHoSE, kToday, "4", "28", "0", "0");
    }

    void addNamed(const char* id, const char* code, const char* name) {
        app().db()->updateCompanyList(QString::number(kHoSE), QString::number(kToday), QString::fromUtf8(id),
                                      QString::fromUtf8(code), QString::fromUtf8(name));
    }

    QStringList shownCodes() {
        const ui::RowSource& shown = *list().tbView()->source();
        QStringList codes;
        for (int row = 0; row < shown.rowCount(); ++row) {
            codes.append(shown.rowTexts(row).value(0));
        }
        return codes;
    }

    QLabel* heading(const QString& text) {
        for (QLabel* label : list().view()->findChildren<QLabel*>()) {
            const QString shown = label->text();
            if (shown == text || shown.endsWith(u' ' + text) || shown.startsWith(text + u' ')) {
                return label;
            }
        }
        return nullptr;
    }

    /// Each letter as a key press reaches the window: offered as text first, then as its key.
    void type(const QString& text) {
        for (const QChar c : text) {
            if (!navigator().dispatchTyping(QString(c), Qt::NoModifier)) {
                navigator().dispatchKey(c.unicode() < 0x80 ? int(c.toUpper().unicode()) : 0);
            }
        }
    }

    void press(int qtKey) { navigator().dispatchKey(qtKey); }
};

} // namespace

TEST_F(CompanyListOrderTest, AClickedHeadingSortsAndATappedRowOpensItsOwnCompany) {
    open(kHoSE, kToday, true);
    EXPECT_EQ(shownCodes(), (QStringList{"ACB", "DPM", "HPG", "VCB"}));
    QLabel* price = heading(QStringLiteral("Giá"));
    ASSERT_NE(price, nullptr);
    QTest::mouseClick(price, Qt::LeftButton);
    QTest::mouseClick(price, Qt::LeftButton);
    EXPECT_EQ(price->text(), ui::SortHeadings::kFalling + QStringLiteral(" Giá"));
    EXPECT_EQ(shownCodes(), (QStringList{"VCB", "DPM", "HPG", "ACB"}));

    Q_EMIT list().tbView()->rowSelected(1);
    EXPECT_EQ(list().stockCode(), QStringLiteral("DPM"));
    Q_EMIT list().tbView()->detailRequested(0);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    EXPECT_EQ(navigator().topController(), detail);
    EXPECT_EQ(list().stockCode(), QStringLiteral("VCB"));
}

TEST_F(CompanyListOrderTest, TypingANameWithoutAccentsFiltersAndEnterOpensTheMatch) {
    open(kHoSE, kToday, true);
    type(QStringLiteral("ngoai"));
    EXPECT_EQ(shownCodes(), QStringList{"VCB"});
    EXPECT_EQ(list().order().filterLabel()->text(), QStringLiteral("Lọc: ngoai — 1 mã "));
    type(QStringLiteral("x"));
    EXPECT_TRUE(shownCodes().isEmpty());
    const QLabel* line = list().order().filterLabel();
    EXPECT_TRUE(line->text().contains(QStringLiteral("Không có mã nào khớp")));
    // The whole line reads, from "Lọc:" on (it was once cut to "— Không có mã nào khớp").
    EXPECT_GE(line->width(), line->sizeHint().width());
    EXPECT_LE(line->geometry().right(), 480);
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    EXPECT_EQ(navigator().topController(), app().cachedScreen<company::CompanyRealTimeViewcontroller>());
    EXPECT_EQ(list().stockCode(), QStringLiteral("VCB"));
}

TEST_F(CompanyListOrderTest, FilterWithDiacriticsAndDStrokeFindsTheSameRows) {
    open(kHoSE, kToday, true);
    type(QStringLiteral("Ngân"));
    EXPECT_EQ(shownCodes(), (QStringList{"ACB", "VCB"}));
    press(Qt::Key_Escape);
    type(QStringLiteral("đoàn"));
    EXPECT_EQ(shownCodes(), QStringList{"HPG"});
    press(Qt::Key_Escape);
    type(QStringLiteral("doan"));
    EXPECT_EQ(shownCodes(), QStringList{"HPG"});
}

TEST_F(CompanyListOrderTest, EscapeClearsTheFilterBeforeGoingBack) {
    open(kHoSE, kToday, true);
    type(QStringLiteral("vcb"));
    press(Qt::Key_Escape);
    EXPECT_EQ(navigator().topController(), &list());
    EXPECT_EQ(shownCodes().size(), 4);
    EXPECT_TRUE(list().order().filterLabel()->isHidden());
    press(Qt::Key_Escape);
    EXPECT_NE(navigator().topController(), &list());
}

// L keeps switching live mode while nothing is typed; inside a filter it is a letter.
TEST_F(CompanyListOrderTest, TheLiveKeyStaysLiveUntilAFilterIsTyped) {
    open(kHoSE, kToday, true);
    const bool live = app().bRealTime();
    type(QStringLiteral("l"));
    EXPECT_NE(app().bRealTime(), live);
    EXPECT_FALSE(list().order().state().isFiltered());
    type(QStringLiteral("h"));
    type(QStringLiteral("l"));
    EXPECT_EQ(list().order().state().filter, QStringLiteral("hl"));
}

TEST_F(CompanyListOrderTest, NewQuotesKeepTheOrderFilterAndChosenCompany) {
    open(kHoSE, kToday, true);
    list().order().sortBy(company::CompanyListSource::kPercentColumn);
    type(QStringLiteral("ngan"));
    EXPECT_EQ(shownCodes(), (QStringList{"VCB", "ACB"}));
    Q_EMIT list().tbView()->rowSelected(1);
    list().tbView()->selectRow(1);

    m_server.set("/KTRPW/realtime.aspx",
                 testsupport::answer(quoteAnswer(kToday, quote("1", kHoSE, 120, kToday, "24", "-1", "-3.9"))));
    list().reloadData();
    ASSERT_TRUE(waitForAnswer());
    EXPECT_EQ(shownCodes(), (QStringList{"ACB", "VCB"}));
    EXPECT_EQ(list().tbView()->selectedRow(), 0);
    EXPECT_EQ(list().stockCode(), QStringLiteral("ACB"));
    // A copy of the table is the rows as shown.
    EXPECT_EQ(list().tbView()->source()->rowTexts(0).value(1), QStringLiteral("24.0"));
}

TEST_F(CompanyListOrderTest, TheOrderAndFilterAreThereAfterLeavingAndComingBack) {
    open(kHoSE, kToday, true);
    list().order().sortBy(company::CompanyListSource::kVolumeColumn);
    list().order().sortBy(company::CompanyListSource::kCodeColumn);
    list().order().sortBy(company::CompanyListSource::kCodeColumn);
    type(QStringLiteral("c"));
    EXPECT_EQ(shownCodes(), (QStringList{"VCB", "DPM", "ACB"}));
    list().goComDetail(0);
    navigator().pop(false);
    EXPECT_EQ(navigator().topController(), &list());
    EXPECT_EQ(shownCodes(), (QStringList{"VCB", "DPM", "ACB"}));
    navigator().pop(false);
    open(kHoSE, kToday, true);
    EXPECT_EQ(list().order().state().filter, QStringLiteral("c"));
    EXPECT_EQ(heading(QStringLiteral("Mã"))->text(), QStringLiteral("Mã ") + ui::SortHeadings::kFalling);
    EXPECT_EQ(shownCodes(), (QStringList{"VCB", "DPM", "ACB"}));
}
