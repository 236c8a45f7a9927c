#include "market/CompanyDayResult.h"

#include "company/BoardColours.h"
#include "net/LenientNumbers.h"

namespace market {

namespace {

enum Column { Code, Id, Price, Change, Percent, Volume, Reference, Ceiling, Floor };

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
    result.limits = company::priceLimits(at(Reference), at(Ceiling), at(Floor));
    return result;
}

bool CompanyDayResult::closedAtCeiling() const {
    return hasPrice() && limits && ui::priceMarkOf(price, *limits) == ui::PriceMark::Ceiling;
}

bool CompanyDayResult::closedAtFloor() const {
    return hasPrice() && limits && ui::priceMarkOf(price, *limits) == ui::PriceMark::Floor;
}

ui::PriceMark CompanyDayResult::mark() const {
    if (closedAtCeiling()) {
        return ui::PriceMark::Ceiling;
    }
    return closedAtFloor() ? ui::PriceMark::Floor : ui::markOfChange(change);
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
