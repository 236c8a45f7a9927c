#include "market/MarketMovers.h"

#include <algorithm>

namespace market {

namespace {

bool belongsTo(const CompanyDayResult& result, MoverList list) {
    switch (list) {
    case MoverList::Gainers:
        return result.percent > 0;
    case MoverList::Losers:
        return result.percent < 0;
    case MoverList::Volume:
        return result.volume > 0;
    }
    return false;
}

// The figure the ranking puts first when it is largest.
double rankedFigure(const CompanyDayResult& result, MoverList list) {
    switch (list) {
    case MoverList::Gainers:
        return result.percent;
    case MoverList::Losers:
        return -result.percent;
    case MoverList::Volume:
        return result.volume;
    }
    return 0;
}

} // namespace

std::vector<CompanyDayResult> topMovers(std::vector<CompanyDayResult> results, MoverList list, int count) {
    std::erase_if(results, [list](const CompanyDayResult& result) { return !belongsTo(result, list); });
    const auto before = [list](const CompanyDayResult& a, const CompanyDayResult& b) {
        const double figureA = rankedFigure(a, list);
        const double figureB = rankedFigure(b, list);
        if (figureA != figureB) {
            return figureA > figureB;
        }
        return a.code < b.code;
    };
    const auto kept = std::min(results.size(), std::size_t(std::max(count, 0)));
    std::partial_sort(results.begin(), results.begin() + std::ptrdiff_t(kept), results.end(), before);
    results.resize(kept);
    return results;
}

QString moverListName(MoverList list) {
    switch (list) {
    case MoverList::Gainers:
        return QStringLiteral("Tăng mạnh");
    case MoverList::Losers:
        return QStringLiteral("Giảm mạnh");
    case MoverList::Volume:
        return QStringLiteral("KL lớn");
    }
    return {};
}

} // namespace market
