#include "market/RecordText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace sim::market {

namespace {

std::string join(std::initializer_list<std::string> fields) {
    std::string record;
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) {
            record += ',';
        }
        first = false;
        record += field;
    }
    return record;
}

std::string integerText(std::int64_t value) {
    return std::to_string(value);
}

} // namespace

std::string ticksText(int ticks) {
    const int magnitude = std::abs(ticks);
    std::string text = ticks < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

std::string decimalText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) {
        rounded = 0.0; // drops the sign of -0.0
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded, std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string companyRecord(const Company& company) {
    return join({integerText(company.id), integerText(company.stockId), company.code, company.name});
}

std::string quoteRecord(const Quote& quote) {
    return join({integerText(quote.companyId), integerText(quote.stockId), integerText(quote.minute),
                 integerText(quote.day), ticksText(quote.priceTicks), ticksText(quote.changeTicks),
                 decimalText(quote.percent, 2), integerText(quote.volume), ticksText(quote.refTicks),
                 ticksText(quote.openTicks), ticksText(quote.closeTicks), integerText(quote.bidQuantity),
                 integerText(quote.askQuantity), ticksText(quote.ceilingTicks), ticksText(quote.floorTicks),
                 integerText(quote.sellResidue), integerText(quote.buyResidue)});
}

std::string indexRecord(const IndexDay& index) {
    const double change = std::round(index.value * 100.0) / 100.0 - std::round(index.reference * 100.0) / 100.0;
    const double percent = index.reference > 0.0 ? 100.0 * change / index.reference : 0.0;
    return join({integerText(index.stockId), decimalText(change, 2), decimalText(percent, 2),
                 integerText(index.revision), decimalText(index.value, 2), decimalText(index.reference, 2),
                 decimalText(index.tradedValue / 1e9, 2), decimalText(index.tradedQuantity / 1e6, 2),
                 integerText(index.day)});
}

std::string indexMinuteRecord(int stockId, const IndexMinute& minute) {
    return join({integerText(stockId), integerText(minute.minute), decimalText(minute.value, 2),
                 decimalText(minute.quantity / 1e6, 3)});
}

std::string pointRecord(int companyId, int minute, int priceTicks, std::int64_t volume) {
    return join({integerText(companyId), integerText(minute), ticksText(priceTicks), integerText(volume)});
}

} // namespace sim::market
