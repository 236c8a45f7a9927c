#include "company/BoardColours.h"

#include "net/LenientNumbers.h"
#include "store/myDb.h"

namespace company {

std::optional<ui::PriceLimits> priceLimits(const QString& reference, const QString& ceiling, const QString& floor) {
    const ui::PriceLimits limits{net::leadingDouble(reference), net::leadingDouble(ceiling), net::leadingDouble(floor)};
    if (limits.ceiling <= 0 || limits.floor <= 0) {
        return std::nullopt;
    }
    return limits;
}

std::optional<ui::PriceLimits> readPriceLimits(myDb& db, const QString& companyId, int day) {
    const QStringList texts = db.getPriceLimits(companyId, day);
    if (texts.size() < 3) {
        return std::nullopt;
    }
    return priceLimits(texts.at(0), texts.at(1), texts.at(2));
}

QHash<QString, ui::PriceLimits> readPriceLimitsOfDay(myDb& db, int day) {
    QHash<QString, ui::PriceLimits> byCompany;
    for (const QString& row : db.getPriceLimitsOfDay(day)) {
        const QStringList fields = row.split(QLatin1Char(','));
        if (fields.size() < 4) {
            continue;
        }
        if (const std::optional<ui::PriceLimits> limits = priceLimits(fields.at(1), fields.at(2), fields.at(3))) {
            byCompany.insert(fields.at(0), *limits);
        }
    }
    return byCompany;
}

std::optional<QColor> boardColour(const ui::TrendColors& colors, double price,
                                  const std::optional<ui::PriceLimits>& limits, ui::Shade shade) {
    if (!colors.boardColours() || !limits) {
        return std::nullopt;
    }
    return colors.ofMark(ui::priceMarkOf(price, *limits), shade).toQColor();
}

} // namespace company
