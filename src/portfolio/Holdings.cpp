#include "portfolio/Holdings.h"

#include "company/BoardColours.h"
#include "net/LenientNumbers.h"
#include "store/myDb.h"

#include <QHash>

namespace portfolio {

namespace {

enum HoldingField { kCode, kCompanyId, kCategoryDay, kPrice, kUp, kDown, kQuantity, kFee, kHoldingId };
enum QuoteField { kQuoteCode, kQuoteCompanyId, kQuoteDay, kQuotePrice, kChange, kPercent, kVolume, kQuoteHoldingId };

HoldingRow holdingFrom(const QStringList& fields) {
    HoldingRow row;
    row.code = fields.value(kCode);
    row.companyId = fields.value(kCompanyId);
    row.price = fields.value(kPrice);
    row.up = fields.value(kUp);
    row.down = fields.value(kDown);
    row.quantity = fields.value(kQuantity);
    row.fee = fields.value(kFee);
    row.holdingId = fields.value(kHoldingId);
    return row;
}

void addQuote(HoldingRow& row, const QStringList& quote) {
    row.quoted = true;
    row.quoteDay = net::leadingInt(quote.value(kQuoteDay));
    row.quotePrice = quote.value(kQuotePrice);
    row.change = quote.value(kChange);
    row.percent = quote.value(kPercent);
    row.volume = quote.value(kVolume);
}

} // namespace

void HoldingsModel::load(myDb& db, const QString& categoryId, int day) {
    m_companyPortList = db.getPortfolioScreen2data(categoryId);
    m_companyList = db.getPortfolioCompanydata(categoryId, day);
    QHash<QString, QStringList> quotes;
    quotes.reserve(m_companyList.size());
    for (const QString& text : std::as_const(m_companyList)) {
        const QStringList fields = text.split(u',');
        quotes.insert(fields.value(kQuoteHoldingId), fields);
    }
    m_quoteDay = m_companyList.isEmpty() ? 0 : net::leadingInt(m_companyList.first().section(u',', 2, 2));
    m_rows.clear();
    m_rows.reserve(std::size_t(m_companyPortList.size()));
    for (const QString& text : std::as_const(m_companyPortList)) {
        HoldingRow row = holdingFrom(text.split(u','));
        if (const auto found = quotes.constFind(row.holdingId); found != quotes.constEnd()) {
            addQuote(row, *found);
            row.limits = company::readPriceLimits(db, found->value(kQuoteCompanyId), row.quoteDay);
        }
        m_rows.push_back(std::move(row));
    }
}

const HoldingRow* HoldingsModel::row(int index) const {
    return index >= 0 && index < int(m_rows.size()) ? &m_rows[std::size_t(index)] : nullptr;
}

} // namespace portfolio
