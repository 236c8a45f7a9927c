#include "world/GoldPremium.h"

#include "WorldFixture.h"
#include "core/CalendarHelpers.h"
#include "world/ACBGoldViewController.h"
#include "world/GoldPremiumQuotes.h"
#include "world/WorldGoldViewController.h"

#include <QLabel>
#include <QLocale>

#include <gtest/gtest.h>

using world::DatedPrice;
using world::GoldPremium;

namespace {

constexpr int kDay = 9000;

QDateTime at(int day, int hour, int minute) {
    return core::dayEpoch().addSecs(qint64{day} * 86400 + qint64{hour} * 3600 + qint64{minute} * 60);
}

// The program's figures in the Vietnamese number style, whatever the machine's.
class VietnameseNumbers {
public:
    VietnameseNumbers() { QLocale::setDefault(QLocale(QLocale::Vietnamese, QLocale::Vietnam)); }
    ~VietnameseNumbers() { QLocale::setDefault(m_saved); }
    VietnameseNumbers(const VietnameseNumbers&) = delete;
    VietnameseNumbers& operator=(const VietnameseNumbers&) = delete;

private:
    QLocale m_saved;
};

// 78,920 thousand dong a tael against 2,350 USD an ounce at 25,400 dong: the world price is
// 71,965.2485 thousand dong a tael.
const DatedPrice kBank{78920, kDay, 630};
const DatedPrice kWorld{2350, kDay, 632};
const DatedPrice kDollar{25400, kDay, 600};

} // namespace

// ---- the figure ------------------------------------------------------------------------------

TEST(GoldPremiumFigure, BankPriceAboveTheConvertedWorldPrice) {
    const std::optional<GoldPremium> premium = world::goldPremium(kBank, kWorld, kDollar, at(kDay, 11, 0));
    ASSERT_TRUE(premium);
    EXPECT_NEAR(premium->perTael, 6954.7515, 1e-6);
    EXPECT_NEAR(premium->percent, 6954.7515 / 71965.2485 * 100, 1e-9);
    // The oldest quote dates the figure.
    EXPECT_EQ(premium->day, kDay);
    EXPECT_EQ(premium->minute, 600);

    const VietnameseNumbers vietnamese;
    EXPECT_EQ(world::goldPremiumText(premium, at(kDay, 11, 0)),
              QStringLiteral("Chênh lệch với giá thế giới: +6,95 triệu/lượng (+9,7%) · lúc 10:00"));
    EXPECT_EQ(world::goldPremiumText(premium, at(kDay + 1, 8, 0)),
              QStringLiteral("Chênh lệch với giá thế giới: +6,95 triệu/lượng (+9,7%) · lúc 10:00 ") +
                  core::dateFromDay(kDay));
}

TEST(GoldPremiumFigure, BankPriceBelowTheWorldPriceReadsNegative) {
    const std::optional<GoldPremium> premium =
        world::goldPremium(DatedPrice{70000, kDay, 630}, kWorld, kDollar, at(kDay, 11, 0));
    ASSERT_TRUE(premium);
    EXPECT_NEAR(premium->perTael, -1965.2485, 1e-6);
    const VietnameseNumbers vietnamese;
    EXPECT_EQ(world::goldPremiumText(premium, at(kDay, 11, 0)),
              QStringLiteral("Chênh lệch với giá thế giới: -1,97 triệu/lượng (-2,7%) · lúc 10:00"));
}

TEST(GoldPremiumFigure, AMissingZeroOrStaleQuoteGivesADash) {
    const QDateTime now = at(kDay, 11, 0);
    EXPECT_FALSE(world::goldPremium(std::nullopt, kWorld, kDollar, now));
    EXPECT_FALSE(world::goldPremium(kBank, std::nullopt, kDollar, now));
    EXPECT_FALSE(world::goldPremium(kBank, kWorld, std::nullopt, now));
    EXPECT_FALSE(world::goldPremium(kBank, DatedPrice{0, kDay, 632}, kDollar, now));
    // A day old is still recent enough; a minute more is not.
    EXPECT_TRUE(world::goldPremium(kBank, kWorld, DatedPrice{25400, kDay - 1, 660}, now));
    EXPECT_FALSE(world::goldPremium(kBank, kWorld, DatedPrice{25400, kDay - 1, 659}, now));
    EXPECT_FALSE(world::goldPremium(DatedPrice{78920, kDay - 2, 630}, kWorld, kDollar, now));
    EXPECT_EQ(world::goldPremiumText(std::nullopt, now), QStringLiteral("Chênh lệch với giá thế giới: -"));
}

// ---- reading the stored quotes ---------------------------------------------------------------

TEST(GoldPremiumQuotes, TheLatestQuoteOfEachFeedWithItsTime) {
    const QStringList bank{
        QStringLiteral("KTRPW:0:9000;\n1,600,78500,10;\n1,420,0.54,600,78500,78080,1000,10,9000;"),
        QStringLiteral("KTRPW:1:9000;\n1,0,0,700,99999,78080,1,1,9000;"),
        QStringLiteral("KTRPW:0:9000;\n1,630,78920,12;\n1,840,1.08,630,78920,78080,2000,22,9000;"),
    };
    const std::optional<DatedPrice> bankGold = world::latestBankGold(bank);
    ASSERT_TRUE(bankGold);
    EXPECT_EQ(bankGold->value, 78920);
    EXPECT_EQ(bankGold->day, 9000);
    EXPECT_EQ(bankGold->minute, 630);

    const QStringList world{
        QStringLiteral("KTRPW:0:9000;\n1,620,2349.5;\n1,632,2350.25;\n1,5.2,0.22,660,2350.25,2345.05,9000;"),
    };
    const std::optional<DatedPrice> worldGold = world::latestWorldGold(world);
    ASSERT_TRUE(worldGold);
    EXPECT_EQ(worldGold->value, 2350.25);
    EXPECT_EQ(worldGold->day, 9000);
    EXPECT_EQ(worldGold->minute, 632);
    // A quote whose day holds no price minute has no time to be judged by.
    EXPECT_FALSE(world::latestWorldGold({QStringLiteral("KTRPW:0:9000;\n1,5.2,0.22,660,2350.25,2345.05,9000;")}));

    const std::optional<DatedPrice> dollar = world::bankDollarRate(
        {QStringLiteral("9,USD,9000,600,25400,25286,25514"), QStringLiteral("10,EUR,9000,600,27500,27170,27830")});
    ASSERT_TRUE(dollar);
    EXPECT_EQ(dollar->value, 25400);
    EXPECT_EQ(dollar->minute, 600);
    EXPECT_FALSE(world::bankDollarRate({QStringLiteral("10,EUR,9000,600,27500,27170,27830")}));
}

// ---- on the bank gold screen -----------------------------------------------------------------

class GoldPremiumScreenTest : public testsupport::WorldTest {
protected:
    void storeQuotes(bool withDollar) {
        myDb& db = *app().db();
        db.addRealtimeGoldData(world::ACBGoldViewController::kFeedId, QStringLiteral("9000"),
                               QStringLiteral("KTRPW:0:9000;\n1,630,78920,12;\n"
                                              "1,840,1.08,630,78920,78080,2000,22,9000;"),
                               0);
        db.addRealtimeGoldData(world::WorldGoldViewController::kFeedId, QStringLiteral("9000"),
                               QStringLiteral("KTRPW:0:9000;\n1,632,2350;\n1,5.2,0.22,660,2350,2344.8,9000;"), 0);
        if (withDollar) {
            db.updateExchange(QStringLiteral("9"), QStringLiteral("9000"), QStringLiteral("600"),
                              QStringLiteral("25400"), QStringLiteral("25286"), QStringLiteral("25514"));
        }
    }

    world::ACBGoldViewController& openBankGold(const QDateTime& now) {
        app().cachedScreen<world::ACBGoldViewController>()->setClock([now] { return now; });
        return open<world::ACBGoldViewController>();
    }
};

TEST_F(GoldPremiumScreenTest, ShowsThePremiumOfTheStoredQuotes) {
    storeQuotes(true);
    const VietnameseNumbers vietnamese;
    world::ACBGoldViewController& screen = openBankGold(at(kDay, 11, 0));
    EXPECT_EQ(screen.lbPremium()->text(),
              QStringLiteral("Chênh lệch với giá thế giới: +6,95 triệu/lượng (+9,7%) · lúc 10:00"));
}

TEST_F(GoldPremiumScreenTest, ShowsADashWithoutTheDollarRateOrWithStaleQuotes) {
    world::ACBGoldViewController& screen = openBankGold(at(kDay, 11, 0));
    EXPECT_EQ(screen.lbPremium()->text(), QStringLiteral("Chênh lệch với giá thế giới: -"));

    navigator().pop(false);
    storeQuotes(false);
    openBankGold(at(kDay, 11, 0));
    EXPECT_EQ(screen.lbPremium()->text(), QStringLiteral("Chênh lệch với giá thế giới: -"));

    navigator().pop(false);
    storeQuotes(true);
    openBankGold(at(kDay + 2, 9, 0));
    EXPECT_EQ(screen.lbPremium()->text(), QStringLiteral("Chênh lệch với giá thế giới: -"));
}
