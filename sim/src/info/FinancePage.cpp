#include "FinancePage.h"

#include "AnswerText.h"
#include "CompanyLookup.h"
#include "FinanceStatements.h"
#include "MarketView.h"

namespace sim {

namespace {

std::string figureText(const StatementPeriod& period, std::size_t figure) {
    return AnswerText::fixed(period.figures.at(figure), period.decimals.at(figure));
}

} // namespace

FinancePage::FinancePage(const Noise& noise, const MarketView& market)
    : m_noise(noise)
    , m_market(market) {}

std::string FinancePage::answer(const std::string* companyId, const SimTime& t) const {
    const Company* company = CompanyLookup::find(m_market, companyId);
    if (company == nullptr) {
        return errorAnswer(true, CompanyLookup::kUnknownCompany);
    }
    const std::string id = std::to_string(company->id);
    const std::string layout = std::to_string(company->layoutId);
    // The trading day whose price is shown; before its open the market answers the close of the
    // trading day before it, holidays included.
    const int day = m_market.sessionDayAt(t);
    const double price = m_market.priceAt(company->id, t);
    const double previousClose = m_market.priceAt(company->id, SimTime{day, 0, 0});
    const double change = price - previousClose;
    const double percent = previousClose > 0.0 ? change / previousClose * 100.0 : 0.0;

    const FinanceStatements statements = FinanceStatements::of(m_noise, m_market, *company);
    const FinanceRatios ratios = statements.ratiosAt(t.day, price);
    AnswerText answer(t.day);
    answer.addRecord({id, AnswerText::fixed(ratios.eps, 0), AnswerText::fixed(ratios.pe, 2),
                      AnswerText::fixed(ratios.bv, 0), AnswerText::fixed(ratios.bp, 2), layout,
                      AnswerText::fixed(price, 1), AnswerText::fixed(change, 1), AnswerText::fixed(percent, 2),
                      std::to_string(day)});
    for (const StatementPeriod& period : statements.publishedBy(t.day)) {
        answer.addRecord({id, std::to_string(period.quarter), std::to_string(period.year), figureText(period, 0),
                          figureText(period, 1), figureText(period, 2), figureText(period, 3), layout});
    }
    return answer.text();
}

} // namespace sim
