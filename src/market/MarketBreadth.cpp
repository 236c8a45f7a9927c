#include "market/MarketBreadth.h"

#include <QStringList>

namespace market {

std::optional<MarketBreadth> breadthOf(const std::vector<CompanyDayResult>& results) {
    if (results.empty()) {
        return std::nullopt;
    }
    MarketBreadth breadth;
    for (const CompanyDayResult& result : results) {
        if (result.change > 0) {
            ++breadth.rising;
        } else if (result.change < 0) {
            ++breadth.falling;
        } else {
            ++breadth.unchanged;
        }
        breadth.ceiling += result.closedAtCeiling() ? 1 : 0;
        breadth.floor += result.closedAtFloor() ? 1 : 0;
    }
    return breadth;
}

std::array<BreadthPart, 5> breadthParts(const MarketBreadth& breadth) {
    return {{
        {QStringLiteral("Tăng %1").arg(breadth.rising), ui::PriceMark::Rise},
        {QStringLiteral("Giảm %1").arg(breadth.falling), ui::PriceMark::Fall},
        {QStringLiteral("Đứng %1").arg(breadth.unchanged), ui::PriceMark::Reference},
        {QStringLiteral("Trần %1").arg(breadth.ceiling), ui::PriceMark::Ceiling},
        {QStringLiteral("Sàn %1").arg(breadth.floor), ui::PriceMark::Floor},
    }};
}

QString breadthText(const MarketBreadth& breadth) {
    QStringList texts;
    for (const BreadthPart& part : breadthParts(breadth)) {
        texts.append(part.text);
    }
    return texts.join(kBreadthSeparator);
}

} // namespace market
