#pragma once

#include "company/CompanyRealTimeView.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"

#include <QStringList>

/// The company real-time screen on a whole shell against a scripted service, with one company
/// (id 7, "ACB") listed.
class CompanyRealTimeTest : public testsupport::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        day = app().currentDay();
        dayText = QString::number(day);
        app().db()->updateCompanyList(exchange, dayText, QStringLiteral("7"), QStringLiteral("ACB"),
                                      QStringLiteral("A Chau"));
        m_screen = app().cachedScreen<company::CompanyRealTimeViewcontroller>();
        m_screen->setCode(QStringLiteral("ACB"));
        m_screen->set_id(QStringLiteral("7"));
        m_screen->view();
    }

    /// Stores a quote of company 7 for the given day with this reference price.
    void storeQuote(const QString& reference, int minute = 60) {
        const QString price = QStringLiteral("20");
        myDb& db = *app().db();
        db.updateCompanyRealtimeData(exchange, dayText, QString::number(minute), QStringLiteral("0"),
                                     QStringLiteral("0"), QStringLiteral("7"), price, QStringLiteral("1000"), reference,
                                     price, price, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("22"),
                                     QStringLiteral("18"), QStringLiteral("0"), QStringLiteral("0"));
        db.updateCompanyLastData(exchange, dayText, QString::number(minute), QStringLiteral("0"), QStringLiteral("0"),
                                 QStringLiteral("7"), price, QStringLiteral("1000"), reference, price, price,
                                 QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("22"), QStringLiteral("18"),
                                 QStringLiteral("0"), QStringLiteral("0"));
    }

    void storePoint(int minute, double price, double volume) {
        app().db()->updateMinuteCompanyData(QStringLiteral("7"), QStringLiteral("0"), QString::number(minute),
                                            QString::number(price), QString::number(volume));
    }

    /// An answer of the company feed: the header, then the records, each ended by ";".
    static QString feedAnswer(const QStringList& records, int status = 0) {
        QString text = QStringLiteral("KTRPW:%1:msg;").arg(status);
        for (const QString& record : records) {
            text += QStringLiteral("\n") + record + QLatin1Char(';');
        }
        return text;
    }

    QString quoteRecord(int minute) const {
        return QStringLiteral("7,%1,%2,%3,20.5,0.5,2.5,5000,20,19.9,20.5,20.4,20.6,22,18,300,400")
            .arg(exchange)
            .arg(minute)
            .arg(dayText);
    }

    bool waitForAnswer() {
        return waitFor([this] { return !m_screen->isRequestOutstanding(); });
    }

    int companyRequests() const { return m_server.requestsWith("type=9"); }

    std::string lastTarget() const { return m_server.requestTargets().back(); }

    QString exchange = QStringLiteral("2");
    int day = 0;
    QString dayText;
    sim::ScriptedServer m_server;
    company::CompanyRealTimeViewcontroller* m_screen = nullptr;
};
