#include "market/Market.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class MarketCatalogueTest : public ::testing::Test {
protected:
    sim::Market m_market{11};
};

TEST_F(MarketCatalogueTest, ListsAboutThreeHundredHoseAndThreeHundredFiftyHnxCompanies) {
    int hose = 0;
    int hnx = 0;
    for (const sim::Company& company : m_market.companies()) {
        (company.stockId == 2 ? hose : hnx) += 1;
        EXPECT_TRUE(company.stockId == 1 || company.stockId == 2) << company.code;
    }
    EXPECT_NEAR(hose, 300, 20);
    EXPECT_NEAR(hnx, 350, 20);
}

TEST_F(MarketCatalogueTest, CodesAreDistinctThreeCapitalLetters) {
    std::set<std::string> codes;
    for (const sim::Company& company : m_market.companies()) {
        ASSERT_EQ(company.code.size(), 3U) << company.code;
        for (char letter : company.code) {
            EXPECT_TRUE(letter >= 'A' && letter <= 'Z') << company.code;
        }
        EXPECT_TRUE(codes.insert(company.code).second) << "duplicate " << company.code;
    }
}

TEST_F(MarketCatalogueTest, NamesAreVietnameseAndFreeOfSeparators) {
    std::set<std::string> names;
    for (const sim::Company& company : m_market.companies()) {
        EXPECT_EQ(company.name.find_first_of(",;:"), std::string::npos) << company.name;
        EXPECT_FALSE(company.name.empty());
        names.insert(company.name);
    }
    EXPECT_EQ(names.size(), m_market.companies().size()) << "names repeat";
    // Every name starts with one of the Vietnamese forms of a company, written in UTF-8.
    for (const sim::Company& company : m_market.companies()) {
        const bool known = company.name.starts_with("Công ty Cổ phần ") ||
                           company.name.starts_with("Ngân hàng TMCP ") || company.name.starts_with("Quỹ đầu tư ");
        EXPECT_TRUE(known) << company.name;
    }
}

TEST_F(MarketCatalogueTest, BanksAndFundsHaveTheirStatementLayouts) {
    int banks = 0;
    int funds = 0;
    for (const sim::Company& company : m_market.companies()) {
        if (company.name.starts_with("Ngân hàng TMCP ")) {
            EXPECT_EQ(company.layoutId, 2) << company.name;
            ++banks;
        } else if (company.name.starts_with("Quỹ đầu tư ")) {
            EXPECT_EQ(company.layoutId, 3) << company.name;
            ++funds;
        } else {
            EXPECT_TRUE(company.layoutId == 0 || company.layoutId == 1 || company.layoutId == 4) << company.name;
        }
    }
    EXPECT_GT(banks, 5);
    EXPECT_GT(funds, 2);
}

TEST_F(MarketCatalogueTest, LooksCompaniesUpByIdAndByCode) {
    for (const sim::Company& company : m_market.companies()) {
        ASSERT_EQ(m_market.companyById(company.id), &company);
        ASSERT_EQ(m_market.companyByCode(company.code), &company);
    }
    EXPECT_EQ(m_market.companyById(0), nullptr);
    EXPECT_EQ(m_market.companyById(100000), nullptr);
    EXPECT_EQ(m_market.companyByCode("abc"), nullptr);
}

TEST_F(MarketCatalogueTest, SameSeedGivesSameCompaniesAndAnotherSeedOthers) {
    const sim::Market again(11);
    const sim::Market other(12);
    ASSERT_EQ(again.companies().size(), m_market.companies().size());
    for (std::size_t i = 0; i < m_market.companies().size(); ++i) {
        EXPECT_EQ(again.companies()[i].id, m_market.companies()[i].id);
        EXPECT_EQ(again.companies()[i].code, m_market.companies()[i].code);
        EXPECT_EQ(again.companies()[i].name, m_market.companies()[i].name);
    }
    int sameCodes = 0;
    for (std::size_t i = 0; i < std::min(other.companies().size(), m_market.companies().size()); ++i) {
        sameCodes += other.companies()[i].code == m_market.companies()[i].code ? 1 : 0;
    }
    EXPECT_LT(sameCodes, 50);
}

} // namespace
