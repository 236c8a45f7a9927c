#include "market/CompanyDayResult.h"

#include "net/LenientNumbers.h"

namespace market {

namespace {

enum Column { Code, Id, Price, Change, Percent, Volume, Reference, Ceiling, Floor };

// Prices come as decimal texts ("26.7"): equal prices may differ in the last bit once read.
constexpr double kPriceTolerance = 1e-6;

} // namespace

CompanyDayResult CompanyDayResult::fromRow(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    const auto at = [&fields](int column) {
        return column < fields.size() ? fields.at(column) : QString();
    };
    CompanyDayResult result;
    result.code = at(Code);
    result.companyId = at(Id);
    result.price = net::leadingDouble(at(Price));
    result.change = net::leadingDouble(at(Change));
    result.percent = net::leadingDouble(at(Percent));
    result.volume = net::leadingDouble(at(Volume));
    result.reference = net::leadingDouble(at(Reference));
    result.ceiling = net::leadingDouble(at(Ceiling));
    result.floor = net::leadingDouble(at(Floor));
    return result;
}

bool CompanyDayResult::closedAtCeiling() const {
    return hasPrice() && ceiling > 0 && price >= ceiling - kPriceTolerance;
}

bool CompanyDayResult::closedAtFloor() const {
    return hasPrice() && floor > 0 && price <= floor + kPriceTolerance;
}

std::vector<CompanyDayResult> companyDayResults(const QStringList& rows) {
    std::vector<CompanyDayResult> results;
    results.reserve(std::size_t(rows.size()));
    for (const QString& row : rows) {
        CompanyDayResult result = CompanyDayResult::fromRow(row);
        if (result.hasPrice()) {
            results.push_back(std::move(result));
        }
    }
    return results;
}

} // namespace market
