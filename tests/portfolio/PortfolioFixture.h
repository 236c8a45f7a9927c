#pragma once

#include "portfolio/PortfolioSection.h"
#include "server/ScriptedServer.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"

#include <QString>

namespace testsupport {

/// The application with its portfolio screens, against a scripted service, today fixed at day
/// 9000, with helpers for the store's companies, quotes, categories and holdings.
class PortfolioTest : public ShellTest {
protected:
    static constexpr int kToday = 9000;

    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        app().setCurrentDay(kToday);
        portfolio::registerPortfolioScreens(app());
    }

    void logIn() {
        app().setIsAuthenticated(true);
        app().setSession(QStringLiteral("s1"));
        app().setUsername(QStringLiteral("demo"));
    }

    myDb& db() { return *app().db(); }

    void addCompany(const QString& id, const QString& code) {
        db().updateCompanyList(QStringLiteral("2"), QString::number(kToday), id, code, code + u" JSC");
    }

    void storeQuote(int day, const QString& id, const QString& price, const QString& change = QStringLiteral("0.5"),
                    const QString& percent = QStringLiteral("2.1")) {
        db().updateCompanyLastData(QStringLiteral("2"), QString::number(day), QStringLiteral("150"), change, percent,
                                   id, price, QStringLiteral("12000"), price, price, price, price, price,
                                   QStringLiteral("99"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("6"));
    }

    void addCategory(const QString& id, const QString& name) { db().updatePorfilio(id, QString::number(kToday), name); }

    void addHolding(const QString& categoryId, const QString& holdingId, const QString& companyId, const QString& price,
                    const QString& up = QStringLiteral("2"), const QString& down = QStringLiteral("1")) {
        db().updatePorfilioData(categoryId, holdingId, companyId, price, QStringLiteral("1000"), up, down,
                                QStringLiteral("0.15"));
    }

    /// Runs until the scripted service has seen this many requests holding `part`.
    bool waitForRequests(const std::string& part, int count = 1) {
        return waitFor([this, &part, count] { return m_server.requestsWith(part) >= count; });
    }

    sim::ScriptedServer m_server;
};

} // namespace testsupport
