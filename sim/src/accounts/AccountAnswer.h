#pragma once

#include "SimTypes.h"
#include "accounts/PortfolioStore.h"

#include <string>
#include <vector>

namespace sim {

/// Builds a success answer: the header "KTRPW:0:<day>:<field3>;" and one record per line, each
/// record on its own line after the ";" as the service has always written them.
class AccountAnswer final {
public:
    explicit AccountAnswer(int day, const std::string& field3 = {})
        : m_text(std::string(kHeaderTag) + ":0:" + std::to_string(day) + ":" + field3 + ";") {}

    AccountAnswer& add(const std::vector<std::string>& fields) {
        m_text += "\n";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            m_text += (i == 0 ? "" : ",") + fields[i];
        }
        m_text += ";";
        return *this;
    }

    AccountAnswer& add(const Category& category) { return add({std::to_string(category.id), category.name}); }

    /// The 8-field holding record: holding id, category id, company id, price, quantity, over, under, fee.
    AccountAnswer& add(const Holding& h) {
        return add({std::to_string(h.id), std::to_string(h.categoryId), std::to_string(h.companyId), h.price, h.volume,
                    h.over, h.under, h.fee});
    }

    /// A record already joined by the market (a quote record).
    AccountAnswer& addRaw(const std::string& record) {
        m_text += "\n" + record + ";";
        return *this;
    }

    std::string text() const { return m_text + "\n"; }

private:
    std::string m_text;
};

} // namespace sim
