#pragma once

#include "ui/TrendColors.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class myDb;

namespace portfolio {

/// One holding of a category, with its quote on the day shown when the store has one.
struct HoldingRow {
    QString code;
    QString companyId;
    QString holdingId;
    /// As stored: purchase price, upper and lower thresholds (distances from the purchase
    /// price), quantity and fee.
    QString price;
    QString up;
    QString down;
    QString quantity;
    QString fee;
    bool quoted = false;
    /// The quote of the holding's own company, as received.
    int quoteDay = 0;
    QString quotePrice;
    QString change;
    QString percent;
    QString volume;
    /// The quote's day limits, for the price-board colours; none when the store lacks them.
    std::optional<ui::PriceLimits> limits;
};

/// The data of the holdings screens: the category's holdings (`companyPortList`) and their
/// companies' quotes of the latest quote day not after the day asked for (`companyList`), each
/// holding paired with the quote row of its own holding id. A holding without a quote that day
/// keeps its own row, unquoted, so that no other row moves onto a price that is not its own.
class HoldingsModel final {
public:
    void load(myDb& db, const QString& categoryId, int day);

    const QStringList& companyList() const { return m_companyList; }
    const QStringList& companyPortList() const { return m_companyPortList; }
    const std::vector<HoldingRow>& rows() const { return m_rows; }
    const HoldingRow* row(int index) const;
    /// The day of the quotes shown; 0 when no holding has one.
    int quoteDay() const { return m_quoteDay; }

private:
    QStringList m_companyList;
    QStringList m_companyPortList;
    std::vector<HoldingRow> m_rows;
    int m_quoteDay = 0;
};

} // namespace portfolio
