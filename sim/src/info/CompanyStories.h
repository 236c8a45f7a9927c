#pragma once

#include "CompanyEvents.h"
#include "NewsStory.h"

#include <optional>

namespace sim {

class FinanceStatements;
class Noise;
struct Company;
struct MarketView;

/// Tells a company's events. Results, dividends and the sizes of trades and contracts come from
/// the company's statements, price explanations from its prices, so the news agrees with the
/// finance page and the quotes. An event with nothing true to tell (a dividend after a loss, a
/// price that hardly moved) gets no story.
class CompanyStories final {
public:
    CompanyStories(const Noise& noise, const MarketView& market);

    std::optional<NewsStory> write(const Company& company, const FinanceStatements& statements,
                                   const CompanyEvent& event) const;

private:
    NewsStory results(const Company& company, const FinanceStatements& statements, int quarterIndex) const;
    NewsStory meeting(const Company& company, const CompanyEvent& event) const;
    std::optional<NewsStory> dividend(const Company& company, const FinanceStatements& statements,
                                      const CompanyEvent& event) const;
    NewsStory extraListing(const Company& company, const FinanceStatements& statements,
                           const CompanyEvent& event) const;
    NewsStory appointment(const Company& company, const CompanyEvent& event) const;
    NewsStory holderTrade(const Company& company, const FinanceStatements& statements, const CompanyEvent& event) const;
    std::optional<NewsStory> priceExplanation(const Company& company, const CompanyEvent& event) const;
    NewsStory contract(const Company& company, const FinanceStatements& statements, const CompanyEvent& event) const;
    double draw(const CompanyEvent& event, const Company& company, double low, double high) const;

    const Noise& m_noise;
    const MarketView& m_market;
};

} // namespace sim
