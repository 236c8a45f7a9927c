#include "CompanyLookup.h"

#include "MarketView.h"

#include <charconv>

namespace sim {

const Company* CompanyLookup::find(const MarketView& market, const std::string* companyId) {
    if (companyId == nullptr) {
        return nullptr;
    }
    int id = 0;
    const char* end = companyId->data() + companyId->size();
    const auto [ptr, error] = std::from_chars(companyId->data(), end, id);
    if (error != std::errc() || ptr != end) {
        return nullptr;
    }
    for (const Company& company : market.companies) {
        if (company.id == id) {
            return &company;
        }
    }
    return nullptr;
}

} // namespace sim
