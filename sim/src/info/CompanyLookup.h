#pragma once

#include <string>

namespace sim {

struct Company;
struct MarketView;

/// Finds the company a `companyid` query value names; shared by the finance and news pages,
/// which answer the same error for a missing, malformed or unknown id.
class CompanyLookup final {
public:
    static const Company* find(const MarketView& market, const std::string* companyId);

    static constexpr const char* kUnknownCompany = "Mã chứng khoán không tồn tại";
};

} // namespace sim
