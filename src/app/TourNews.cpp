// The tour's walk through a company's finance and news tabs and the headline news.
#include "app/Tour.h"
#include "company/CompanyFinancialNewsViewController.h"
#include "company/CompanyHeadNewsViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "news/HeadNewsViewController.h"
#include "news/NewsListView.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

namespace app {

namespace {

constexpr int kWaitMs = 15000;
constexpr int kHoSE = 2;
constexpr qsizetype kLayoutField = 5;

} // namespace

// The finance tab asks for the company it shows and waits for the answer.
QString Tour::refreshFinance(company::CompanyFinancialNewsViewController& finance) {
    finance.reloadFinanceData();
    if (!waitUntil([&finance] { return !finance.isRequestOutstanding(); }, kWaitMs)) {
        return QStringLiteral("the finance tab got no answer");
    }
    return {};
}

// Banks and funds have statements of their own layout: the walk looks through the listed
// companies for one, as a user would open them one after another.
QString Tour::snapFinanceOfLayout(company::CompanyRealTimeViewcontroller& quote, int layoutId, const QString& name) {
    myDb& db = *m_app.db();
    auto* finance = m_app.cachedScreen<company::CompanyFinancialNewsViewController>();
    for (const QString& code : db.getAllCompanyCodeList(kHoSE)) {
        quote.setCode(code);
        quote.set_id(db.getIdFromCode(code));
        quote.tabCallBack(QStringLiteral("Taichinh"));
        QString failure = refreshFinance(*finance);
        if (!failure.isEmpty()) {
            return failure;
        }
        const QStringList ratios = db.getFincance(finance->_id());
        if (!ratios.isEmpty() &&
            ratios.constFirst().section(QLatin1Char(','), kLayoutField, kLayoutField).toInt() == layoutId) {
            snap(QStringLiteral("company-finance-%1").arg(name));
            return {};
        }
    }
    return QStringLiteral("no %1 among the listed companies").arg(name);
}

QString Tour::walkCompanyTabs(company::CompanyRealTimeViewcontroller& quote) {
    const QString code = quote.code();
    const QString id = quote._id();
    quote.tabCallBack(QStringLiteral("Taichinh"));
    QString failure = refreshFinance(*m_app.cachedScreen<company::CompanyFinancialNewsViewController>());
    if (!failure.isEmpty()) {
        return failure;
    }
    snap(QStringLiteral("company-finance"));
    failure = snapFinanceOfLayout(quote, 2, QStringLiteral("bank"));
    if (failure.isEmpty()) {
        failure = snapFinanceOfLayout(quote, 3, QStringLiteral("fund"));
    }
    if (!failure.isEmpty()) {
        return failure;
    }
    quote.setCode(code);
    quote.set_id(id);
    quote.tabCallBack(QStringLiteral("Tintuc"));
    auto* companyNews = m_app.cachedScreen<company::CompanyHeadNewsViewController>();
    companyNews->toggleAnimation();
    if (!waitUntil([companyNews] { return !companyNews->isRequestOutstanding(); }, kWaitMs) ||
        companyNews->newsList()->rows().rowCount() == 0) {
        return QStringLiteral("the company news stayed empty (alert: \"%1\")").arg(m_app.alerts().currentMessage());
    }
    snap(QStringLiteral("company-news"));
    companyNews->newsList()->chooseRow(0);
    if (m_app.navigator().topController() == &quote) {
        return QStringLiteral("the company news article did not open");
    }
    snap(QStringLiteral("company-news-article"));
    m_app.navigator().pop(false);
    return {};
}

QString Tour::walkHeadlines() {
    auto* headlines = m_app.cachedScreen<news::HeadNewsViewController>();
    if (!openSection(QStringLiteral("btTin"), headlines)) {
        return QStringLiteral("the headline news did not open");
    }
    headlines->startLoad();
    if (!waitUntil([headlines] { return !headlines->isRequestOutstanding(); }, kWaitMs) ||
        headlines->newsList()->rows().rowCount() == 0) {
        return QStringLiteral("the headlines stayed empty (alert: \"%1\")").arg(m_app.alerts().currentMessage());
    }
    snap(QStringLiteral("headlines"));
    headlines->newsList()->chooseRow(0);
    if (m_app.navigator().topController() == headlines) {
        return QStringLiteral("the headline article did not open");
    }
    snap(QStringLiteral("headline-article"));
    m_app.navigator().popToRoot(false);
    return {};
}

} // namespace app
