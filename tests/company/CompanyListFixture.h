#pragma once

#include "company/CompanyInfoViewController.h"
#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"

#include <string>

namespace testsupport {

/// The application started against a scripted service (the update question declined), today
/// fixed at day 9000, with helpers to store companies and quotes and to open the list.
class CompanyListTest : public ShellTest {
protected:
    static constexpr int kToday = 9000;
    static constexpr int kHoSE = 2;
    static constexpr int kHNX = 1;

    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        app().setCurrentDay(kToday);
    }

    void addCompany(int stockId, const QString& id, const QString& code) {
        app().db()->updateCompanyList(QString::number(stockId), QString::number(kToday), id, code, code + u" JSC");
    }

    /// One quote record of the type-2 answer: id, exchange, minute, day, price, change, percent,
    /// volume, then the nine further prices and residues.
    static std::string quote(const std::string& id, int stockId, int minute, int day, const std::string& price,
                             const std::string& change, const std::string& percent) {
        return id + "," + std::to_string(stockId) + "," + std::to_string(minute) + "," + std::to_string(day) + "," +
               price + "," + change + "," + percent + ",12000,20,20.1,21,19.9,20.2,21.4,18.6,300,400";
    }

    static std::string quoteAnswer(int day, const std::string& records) {
        std::string text = "KTRPW:0:";
        text.append(std::to_string(day)).append(";\n").append(records).append(";");
        return text;
    }

    void storeQuote(int stockId, int day, const std::string& id, const std::string& price,
                    const std::string& change = "0.5", const std::string& percent = "2.1") {
        const QString text =
            QString::fromStdString(quoteAnswer(day, quote(id, stockId, 100, day, price, change, percent)));
        list().parse_data(text);
        // The parse above also sets the date label; that is what a real answer does too.
        app().db()->updateStockInfo(QString::number(stockId), QStringLiteral("1"), QStringLiteral("0.1"),
                                    QStringLiteral("150"), QStringLiteral("500"), QStringLiteral("499"),
                                    QStringLiteral("10"), QStringLiteral("10"), QString::number(day));
    }

    company::CompanyInfoViewController& list() { return *app().cachedScreen<company::CompanyInfoViewController>(); }

    company::CompanyInfoViewController& open(int stockId, int day, bool realtime) {
        company::CompanyInfoViewController& screen = list();
        screen.setMarketStockId(stockId);
        screen.setInfoDay(day);
        screen.setIsRealtime(realtime);
        navigator().push(&screen, false);
        return screen;
    }

    bool waitForAnswer() {
        return waitFor([this] { return !list().isRequestOutstanding(); });
    }

    int requestsWith(const std::string& part) const { return m_server.requestsWith(part); }

    sim::ScriptedServer m_server;
};

} // namespace testsupport
