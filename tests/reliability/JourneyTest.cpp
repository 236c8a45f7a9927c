#include "JourneyFixture.h"
#include "company/CompanyInfoViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "market/Market.h"
#include "market/MarketInfoViewController.h"
#include "net/AnswerReader.h"
#include "news/HeadNewsViewController.h"
#include "news/NewsListView.h"
#include "news/NewsRows.h"
#include "portfolio/Holdings.h"
#include "portfolio/PortfolioScreens.h"
#include "portfolio/PortfolioSection.h"
#include "portfolio/WatchListViewController.h"
#include "shell/MainViewController.h"
#include "store/myDb.h"
#include "world/ACBGoldViewController.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldStockViewController.h"

#include <algorithm>

using reliability::JourneyScreen;

// One journey a screen: a thousand refreshes through the bad spell, then a clean minute.
class LiveScreenJourney : public reliability::JourneyTest {
protected:
    /// The service's first companies of an exchange, listed in the store as the full update does.
    std::vector<sim::Company> listCompanies(int stockId, std::size_t count) {
        std::vector<sim::Company> listed;
        for (const sim::Company& company : service().market().companies()) {
            if (company.stockId == stockId && listed.size() < count) {
                app().db()->updateCompanyList(QString::number(stockId), QString::number(tradingDay()),
                                              QString::number(company.id), QString::fromStdString(company.code),
                                              QString::fromStdString(company.name));
                listed.push_back(company);
            }
        }
        return listed;
    }

    /// The prices of the category's quotes as the service answers them now.
    QStringList servicePrices(const QString& categoryId) {
        const net::Answer answer = serviceAnswer("Portfolio.aspx?portfolioid=" + categoryId.toStdString() +
                                                 "&session=" + app().session().toStdString());
        QStringList prices;
        for (const net::RecordView& record : answer.recordsWithFieldCount(kQuoteFields)) {
            prices.append(record.text(kPriceField));
        }
        return prices;
    }

    /// The titles of the service's newest headlines now, newest first.
    QStringList newestHeadlines(int count) {
        const net::Answer answer = serviceAnswer("news.aspx");
        std::vector<std::pair<std::pair<int, int>, QString>> headlines;
        for (const net::RecordView& news : answer.recordsWithFieldCount(kNewsFields)) {
            if (news.intAt(kNewsIdField) == 0) {
                headlines.push_back({{news.intAt(0), news.intAt(1)}, news.text(kNewsTitleField)});
            }
        }
        std::sort(headlines.begin(), headlines.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        QStringList titles;
        for (std::size_t i = 0; i < headlines.size() && i < static_cast<std::size_t>(count); ++i) {
            titles.append(headlines[i].second);
        }
        return titles;
    }

    /// A price list is fresh when every change and percent it shows is one the service gives now.
    template <typename Screen> JourneyScreen priceList(const QString& name, const std::string& pageAndQuery) {
        auto& screen = *app().cachedScreen<Screen>();
        JourneyScreen journey = live<Screen>(name);
        journey.fresh = [this, &screen, pageAndQuery] {
            QStringList given{QStringLiteral("--")};
            const net::Answer answer = serviceAnswer(pageAndQuery);
            for (const net::RecordView& record : answer.recordsWithFieldCount(kPriceFields)) {
                given << record.text(kChangeField) << record.text(kChangeField + 1);
            }
            const auto& rows = screen.rows();
            return !rows.empty() && std::all_of(rows.begin(), rows.end(), [&given](const world::PriceRow& row) {
                return given.contains(row.figures[1].text) && given.contains(row.figures[2].text);
            });
        };
        return journey;
    }

    static constexpr int kPriceFields = 6;
    static constexpr int kGoldQuoteFields = 9;
    static constexpr int kGoldMinuteField = 3;
    static constexpr int kNewsFields = 5;
    static constexpr int kListedHeadlines = 20;
    static constexpr int kNewsIdField = 2;
    static constexpr int kNewsTitleField = 3;
    static constexpr int kChangeField = 4;
    static constexpr int kQuoteFields = 17;
    static constexpr int kPriceField = 4;

    /// A live screen pushed; its first refresh switches live mode on.
    template <typename Screen> JourneyScreen live(const QString& name) {
        return pushed(name, *app().cachedScreen<Screen>());
    }
};

TEST_F(LiveScreenJourney, Overview) {
    app().setBRealTime(true);
    runJourney(pushed(QStringLiteral("overview"), *app().cachedScreen<market::MarketInfoViewController>()));
}

TEST_F(LiveScreenJourney, CompanyList) {
    listCompanies(company::CompanyInfoViewController::kHoSE, 30);
    auto& list = *app().cachedScreen<company::CompanyInfoViewController>();
    list.setMarketStockId(company::CompanyInfoViewController::kHoSE);
    list.setInfoDay(tradingDay());
    list.setIsRealtime(true);
    runJourney(pushed(QStringLiteral("company list"), list));
}

TEST_F(LiveScreenJourney, CompanyRealTime) {
    const sim::Company company = listCompanies(2, 1).front();
    auto& screen = *app().cachedScreen<company::CompanyRealTimeViewcontroller>();
    screen.setCode(QString::fromStdString(company.code));
    screen.set_id(QString::number(company.id));
    runJourney(pushed(QStringLiteral("company real-time"), screen));
}

TEST_F(LiveScreenJourney, WorldIndices) {
    runJourney(priceList<world::WorldStockViewController>(QStringLiteral("world indices"), "realtime.aspx?type=3"));
}

// The bank's quotes move every few minutes: the screen shows the time of the latest one.
TEST_F(LiveScreenJourney, Gold) {
    JourneyScreen journey = live<world::ACBGoldViewController>(QStringLiteral("gold"));
    journey.fresh = [this, shown = journey.shown] {
        const net::Answer answer = serviceAnswer("realtime.aspx?type=8&lastupdate=0");
        const auto quotes = answer.recordsWithFieldCount(kGoldQuoteFields);
        return !quotes.empty() && shown().contains(app().timeFromMinuteFrom0h00(quotes.back().intAt(kGoldMinuteField)));
    };
    runJourney(journey);
}

TEST_F(LiveScreenJourney, Commodities) {
    runJourney(priceList<world::GoodsViewController>(QStringLiteral("commodities"), "realtime.aspx?type=5"));
}

TEST_F(LiveScreenJourney, ExchangeRates) {
    runJourney(live<world::ExchangeViewController>(QStringLiteral("exchange rates")));
}

// The headlines have no live mode: each refresh is the user's reload.
TEST_F(LiveScreenJourney, HeadlineNews) {
    auto& screen = *app().cachedScreen<news::HeadNewsViewController>();
    JourneyScreen journey = pushed(QStringLiteral("headline news"), screen);
    journey.refresh = [&screen] {
        screen.reload();
    };
    journey.shown = [&screen] {
        QStringList rows;
        for (int row = 0; row < screen.newsList()->rows().rowCount(); ++row) {
            rows.append(screen.newsList()->rows().rowText(row));
        }
        return rows;
    };
    journey.fresh = [this, shown = journey.shown] {
        const QString rows = shown().join(u'\n');
        const QStringList titles = newestHeadlines(kListedHeadlines);
        return !titles.isEmpty() && std::all_of(titles.begin(), titles.end(),
                                                [&rows](const QString& title) { return rows.contains(title); });
    };
    runJourney(journey);
}

TEST_F(LiveScreenJourney, WatchList) {
    // Its longer period takes the journey through most of the day: HNX's companies, from the open.
    moveMarketTo(QTime(8, 30));
    for (const sim::Company& company : listCompanies(1, 5)) {
        app().db()->addWatchList(QString::number(company.id), QString::fromStdString(company.code));
    }
    app().mainViewController()->openSection(QStringLiteral("btTheodoi"));
    auto& screen = *app().cachedScreen<portfolio::WatchListViewController>();
    // The watch list keeps its own period, a few seconds longer than the one set.
    runJourney(tracked(QStringLiteral("watch list"), screen, app().timeTheodoiCK()));
}

// The demo user's first category on holdings screen 1, whose reload asks for its quotes.
TEST_F(LiveScreenJourney, Holdings) {
    listCompanies(1, 1000);
    listCompanies(2, 1000);
    logInAsDemo();
    QStringList names;
    QStringList ids;
    app().db()->getDirList(names, ids);
    ASSERT_FALSE(ids.isEmpty());
    portfolio::registerPortfolioScreens(app());
    portfolio::PortfolioScreen& screen = *portfolio::holdingsScreen(app(), 1);
    screen.setCategory(ids.first(), names.first());
    JourneyScreen journey = pushed(QStringLiteral("holdings"), screen);
    journey.refresh = [&screen] {
        screen.reload();
    };
    journey.shown = [&screen] {
        QStringList prices;
        for (const portfolio::HoldingRow& row : screen.model().rows()) {
            prices.append(row.quotePrice);
        }
        return prices;
    };
    journey.fresh = [this, &screen, shown = journey.shown] {
        return shown() == servicePrices(screen.pId());
    };
    runJourney(journey);
}
