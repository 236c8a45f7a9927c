#include "company/DirectoryWarningViewController.h"
#include "market/Market.h"
#include "net/MyUrlRequest.h"
#include "server/EmbeddedService.h"
#include "server/ScriptedServer.h"
#include "server/Service.h"
#include "shell/MainViewController.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"
#include "ui/RowTable.h"

#include <memory>

using company::DirectoryWarningViewController;
using company::WarningLevel;
using testsupport::ShellTest;

namespace {

const QByteArray kTwoWarnings = "KTRPW:0:3650:;\n1,12,501,23.7,23.7;\n1,13,502,31.0;\n2,14,599,29.5,29.5;\n";

/// Receives one answer of a request object.
class AnswerCatcher final : public net::RequestDelegate {
public:
    void DidFinishRequest(std::optional<QByteArray> data) override {
        answer = std::move(data);
        finished = true;
    }
    std::optional<QByteArray> answer;
    bool finished = false;
};

} // namespace

class DirectoryWarningScreenTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        myDb& db = *app().db();
        db.updateCompanyList(QStringLiteral("2"), QStringLiteral("3650"), QStringLiteral("12"), QStringLiteral("ACB"),
                             QStringLiteral("Ngân hàng Á Châu"));
        db.updatePorfilio(QStringLiteral("1"), QStringLiteral("3650"), QStringLiteral("Danh mục chính"));
        db.updatePorfilioData(QStringLiteral("1"), QStringLiteral("501"), QStringLiteral("12"), QStringLiteral("25.7"),
                              QStringLiteral("1000"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("0.15"));
    }

    DirectoryWarningViewController& show(const QByteArray& data) {
        m_screen = std::make_unique<DirectoryWarningViewController>(app());
        m_screen->setData(data);
        navigator().push(m_screen.get(), false);
        return *m_screen;
    }

    sim::ScriptedServer m_server;
    std::unique_ptr<DirectoryWarningViewController> m_screen;
};

TEST_F(DirectoryWarningScreenTest, ShowsOneRowPerWarningRecord) {
    DirectoryWarningViewController& screen = show(kTwoWarnings);
    EXPECT_EQ(navigator().topController(), &screen);
    EXPECT_EQ(screen.title(), QStringLiteral("Cảnh báo giá"));
    ASSERT_EQ(screen.warningArr().size(), 2);
    ASSERT_EQ(screen.rows().size(), 2U);
    EXPECT_EQ(screen.tbView()->model()->rowCount(), 2);
    EXPECT_EQ(screen.rows().at(0).code, QStringLiteral("ACB"));
    EXPECT_EQ(screen.rows().at(0).category, QStringLiteral("Danh mục chính"));
    EXPECT_EQ(screen.rows().at(0).priceLevel, WarningLevel::Below);
    EXPECT_TRUE(screen.rows().at(0).percentFalls);
    // Holding 599 is not in the store: a blank row with no percent.
    EXPECT_TRUE(screen.rows().at(1).code.isEmpty());
    EXPECT_EQ(screen.rows().at(1).percent, QStringLiteral("-"));
}

TEST_F(DirectoryWarningScreenTest, ShowingAgainNeitherDoublesTheRowsNorKeepsOldCategories) {
    DirectoryWarningViewController& screen = show(kTwoWarnings);
    EXPECT_EQ(screen.dirListName(), QStringList{QStringLiteral("Danh mục chính")});
    app().db()->updatePorfilio(QStringLiteral("2"), QStringLiteral("3650"), QStringLiteral("Ngân hàng"));
    app().db()->removePorfilioData(QStringLiteral("501"));
    screen.viewWillAppear(false);
    EXPECT_EQ(screen.dirListName(), (QStringList{QStringLiteral("Danh mục chính"), QStringLiteral("Ngân hàng")}));
    EXPECT_EQ(screen.dirListId(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(screen.rows().size(), 2U);
    EXPECT_TRUE(screen.rows().at(0).code.isEmpty());
}

TEST_F(DirectoryWarningScreenTest, ErrorAnswerShowsAnEmptyList) {
    DirectoryWarningViewController& screen = show("KTRPW:1:0:Lỗi;\n1,12,501,23.7,23.7;\n");
    EXPECT_TRUE(screen.warningArr().isEmpty());
    EXPECT_EQ(screen.tbView()->model()->rowCount(), 0);
}

TEST_F(DirectoryWarningScreenTest, BackAndHomeLeaveTheScreen) {
    DirectoryWarningViewController& screen = show(kTwoWarnings);
    screen.goBack();
    EXPECT_EQ(navigator().topController(), app().mainViewController());
    show(kTwoWarnings).goHome();
    EXPECT_EQ(navigator().topController(), app().mainViewController());
}

// The demo account of the built-in service holds a stock bought well above today's price, so
// its warnings answer names at least that holding.
class DirectoryWarningServiceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_service = sim::startEmbeddedService("");
        ASSERT_NE(m_service, nullptr);
        startQuietly(m_service->baseUrl());
    }

    /// The company names the full update would have stored, for the holdings' look-up.
    void storeCompanies() {
        for (const sim::Company& c : m_service->market().companies()) {
            app().db()->updateCompanyList(QString::number(c.stockId), QString::number(app().currentDay()),
                                          QString::number(c.id), QString::fromStdString(c.code),
                                          QString::fromStdString(c.name));
            if (c.id >= 8) {
                break;
            }
        }
    }

    std::unique_ptr<sim::Service> m_service;
};

TEST_F(DirectoryWarningServiceTest, DemoAccountGetsAWarningRow) {
    logInAsDemo();
    storeCompanies();
    QStringList names;
    QStringList ids;
    app().db()->getDirList(names, ids);
    ASSERT_FALSE(ids.isEmpty());

    AnswerCatcher catcher;
    const std::unique_ptr<net::MyUrlRequest> request = app().makeRequest();
    request->setDelegate(&catcher);
    request->ResquestLink(app().endpoints().priceWarnings(ids.join(QLatin1Char(','))));
    ASSERT_TRUE(waitFor([&catcher] { return catcher.finished; }));
    ASSERT_TRUE(catcher.answer.has_value());

    DirectoryWarningViewController screen(app());
    screen.setData(*catcher.answer);
    navigator().push(&screen, false);
    ASSERT_GE(screen.rows().size(), 1U);
    const company::DirectoryWarningRow& row = screen.rows().front();
    EXPECT_FALSE(row.code.isEmpty());
    EXPECT_FALSE(row.category.isEmpty());
    EXPECT_NE(row.priceLevel, WarningLevel::None);
    EXPECT_NE(row.percent, QStringLiteral("-"));
    navigator().popToRoot(false);
}
