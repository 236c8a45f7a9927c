#include "market/MarketMovers.h"

#include "MarketDayFixture.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "core/CalendarHelpers.h"
#include "market/MarketMoversSource.h"
#include "market/MarketMoversViewController.h"
#include "market/MarketResultStyle.h"
#include "ui/RowTable.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using market::CompanyDayResult;
using market::MoverList;

namespace {

CompanyDayResult mover(const QString& code, double percent, double volume) {
    CompanyDayResult result;
    result.code = code;
    result.price = 10;
    result.percent = percent;
    result.change = percent / 10;
    result.volume = volume;
    return result;
}

QStringList codesOf(const std::vector<CompanyDayResult>& results) {
    QStringList codes;
    for (const CompanyDayResult& result : results) {
        codes.append(result.code);
    }
    return codes;
}

} // namespace

// ---- ranking ---------------------------------------------------------------------------------

TEST(MarketMoversRanking, EachRankingHoldsOnlyItsKindLargestFirstTiesByCode) {
    // In reverse code order, so that a tie left in input order would show.
    const std::vector<CompanyDayResult> day{mover("ZZZ", 3, 500), mover("YYY", -2, 0),    mover("XXX", 3, 900),
                                            mover("WWW", 0, 900), mover("VVV", -6.9, 50), mover("UUU", 6.9, 0)};
    EXPECT_EQ(codesOf(market::topMovers(day, MoverList::Gainers)), (QStringList{"UUU", "XXX", "ZZZ"}));
    EXPECT_EQ(codesOf(market::topMovers(day, MoverList::Losers)), (QStringList{"VVV", "YYY"}));
    EXPECT_EQ(codesOf(market::topMovers(day, MoverList::Volume)), (QStringList{"WWW", "XXX", "ZZZ", "VVV"}));
}

TEST(MarketMoversRanking, KeepsTheTenLargest) {
    std::vector<CompanyDayResult> day;
    for (int i = 1; i <= 12; ++i) {
        day.push_back(mover(QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0')), i, i * 100));
    }
    const std::vector<CompanyDayResult> gainers = market::topMovers(day, MoverList::Gainers);
    ASSERT_EQ(gainers.size(), 10U);
    EXPECT_EQ(gainers.front().code, QStringLiteral("C12"));
    EXPECT_EQ(gainers.back().code, QStringLiteral("C03"));
    EXPECT_TRUE(market::topMovers(day, MoverList::Losers).empty());
}

// ---- the screen ------------------------------------------------------------------------------

class MarketMoversTest : public testsupport::MarketDayTest {
protected:
    market::MarketMoversViewController& openMovers(int stockId = kHoSE, int day = kToday) {
        auto* movers = app().cachedScreen<market::MarketMoversViewController>();
        movers->setMarket(stockId, day);
        navigator().push(movers, false);
        return *movers;
    }

    static QStringList shownCodes(const market::MarketMoversViewController& movers) {
        QStringList codes;
        for (int row = 0; row < movers.source().rowCount(); ++row) {
            codes.append(movers.source().rowTexts(row).at(1));
        }
        return codes;
    }
};

TEST_F(MarketMoversTest, OpensOnTheGainersOfTheDayWithTheirFigures) {
    market::MarketMoversViewController& movers = openMovers();
    EXPECT_EQ(movers.screenName(), QStringLiteral("Cổ phiếu nổi bật"));
    EXPECT_EQ(movers.lbHeading()->text(), QStringLiteral("HoSE · ") + core::dateFromDay(kToday));
    EXPECT_EQ(movers.shownList(), MoverList::Gainers);
    EXPECT_EQ(shownCodes(movers), (QStringList{"AAA", "BBB", "FFF"}));
    EXPECT_EQ(movers.source().columnTitles(), (QStringList{"STT", "Mã", "Giá", "+/-", "%", "KL"}));
    EXPECT_EQ(movers.source().rowTexts(0),
              (QStringList{"1", "AAA", core::getDecimalString(27.5), core::getDecimalString(1.8),
                           core::getDecimalString(7) + QStringLiteral(".0"), core::getDecimalString(1000)}));
    EXPECT_EQ(movers.tbView()->source(), &movers.source());
    EXPECT_EQ(market::buttonBackground(movers.listButton(MoverList::Gainers)), QColor(Qt::blue));
    EXPECT_TRUE(movers.lbStatus()->text().isEmpty());
}

TEST_F(MarketMoversTest, ButtonsAndKeysSwitchTheRanking) {
    market::MarketMoversViewController& movers = openMovers();
    for (const MoverList list : market::kRankings) {
        const QPushButton* tab = movers.listButton(list);
        // The caption whole, inside the style's padding of 6 points a side.
        EXPECT_LE(QFontMetrics(tab->font()).horizontalAdvance(tab->text()) + 12, tab->width())
            << tab->text().toStdString();
    }
    movers.listButton(MoverList::Losers)->click();
    EXPECT_EQ(shownCodes(movers), (QStringList{"DDD", "EEE"}));
    EXPECT_EQ(market::buttonBackground(movers.listButton(MoverList::Losers)), QColor(Qt::blue));
    EXPECT_EQ(market::buttonBackground(movers.listButton(MoverList::Gainers)), QColor(Qt::transparent));

    EXPECT_TRUE(navigator().dispatchKey(Qt::Key_3));
    EXPECT_EQ(movers.shownList(), MoverList::Volume);
    // Equal volumes (BBB and EEE) by code; the untraded FFF and the priceless GGG are left out.
    EXPECT_EQ(shownCodes(movers), (QStringList{"DDD", "BBB", "EEE", "AAA", "CCC"}));
    EXPECT_TRUE(navigator().dispatchKey(Qt::Key_Right));
    EXPECT_EQ(movers.shownList(), MoverList::Gainers);
    EXPECT_TRUE(navigator().dispatchKey(Qt::Key_Left));
    EXPECT_EQ(movers.shownList(), MoverList::Volume);
}

TEST_F(MarketMoversTest, ARowOpensItsCompanyOnItsTradingResults) {
    market::MarketMoversViewController& movers = openMovers();
    movers.showList(MoverList::Volume);
    movers.goComDetail(1);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    ASSERT_EQ(navigator().topController(), detail);
    EXPECT_EQ(detail->code(), QStringLiteral("BBB"));
    EXPECT_EQ(detail->_id(), QStringLiteral("12"));
    EXPECT_TRUE(detail->isResultTabShown());

    navigator().pop(false);
    ASSERT_EQ(navigator().topController(), &movers);
    movers.goComDetail(99);
    EXPECT_EQ(navigator().topController(), &movers);
}

TEST_F(MarketMoversTest, ATapOnARowOpensItsCompany) {
    market::MarketMoversViewController& movers = openMovers(kHNX);
    Q_EMIT movers.tbView()->rowSelected(0);
    auto* detail = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    ASSERT_EQ(navigator().topController(), detail);
    EXPECT_EQ(detail->code(), QStringLiteral("HHH"));
}

TEST_F(MarketMoversTest, ADayWithoutQuotesSaysSoInsteadOfAnEmptyRanking) {
    market::MarketMoversViewController& movers = openMovers(kHoSE, kToday - 1);
    EXPECT_EQ(movers.source().rowCount(), 0);
    EXPECT_EQ(movers.lbStatus()->text(), QStringLiteral("Chưa có kết quả giao dịch cổ phiếu của ngày này."));
    navigator().pop(false);

    openMovers(kHNX, kToday);
    movers.showList(MoverList::Losers);
    EXPECT_EQ(movers.source().rowCount(), 0);
    EXPECT_EQ(movers.lbStatus()->text(), QStringLiteral("Không có mã nào giảm giá trong ngày."));
}
