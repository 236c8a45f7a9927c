#include "PortfolioStore.h"

#include "accounts/StateDatabase.h"
#include "accounts/Statement.h"

namespace sim {

namespace {

constexpr const char* kHoldingColumns = "h.id, h.category_id, h.company_id, h.price, h.volume, h.over, h.under, h.fee";

Holding readHolding(const Statement& row) {
    Holding h;
    h.id = row.integer(0);
    h.categoryId = row.integer(1);
    h.companyId = static_cast<int>(row.integer(2));
    h.price = row.text(3);
    h.volume = row.text(4);
    h.over = row.text(5);
    h.under = row.text(6);
    h.fee = row.text(7);
    return h;
}

std::optional<Category> firstCategory(Statement& query) {
    if (!query.step()) {
        return std::nullopt;
    }
    return Category{query.integer(0), query.text(1)};
}

} // namespace

PortfolioStore::PortfolioStore(StateDatabase& db)
    : m_db(db) {}

std::vector<Category> PortfolioStore::categories(long long userId) const {
    Statement query(m_db.handle(), "SELECT id, name FROM categories WHERE user_id = ? ORDER BY id");
    query.bind(1, userId);
    std::vector<Category> list;
    while (query.step()) {
        list.push_back({query.integer(0), query.text(1)});
    }
    return list;
}

std::optional<Category> PortfolioStore::category(long long userId, long long categoryId) const {
    Statement query(m_db.handle(), "SELECT id, name FROM categories WHERE user_id = ? AND id = ?");
    query.bind(1, userId).bind(2, categoryId);
    return firstCategory(query);
}

std::optional<Category> PortfolioStore::categoryByName(long long userId, const std::string& name) const {
    Statement query(m_db.handle(), "SELECT id, name FROM categories WHERE user_id = ? AND name = ? ORDER BY id");
    query.bind(1, userId).bind(2, name);
    return firstCategory(query);
}

long long PortfolioStore::addCategory(long long userId, const std::string& name) {
    Statement insert(m_db.handle(), "INSERT INTO categories (user_id, name) VALUES (?, ?)");
    insert.bind(1, userId).bind(2, name);
    return insert.run() ? m_db.lastInsertId() : 0;
}

bool PortfolioStore::renameCategory(long long userId, long long categoryId, const std::string& name) {
    Statement update(m_db.handle(), "UPDATE categories SET name = ? WHERE user_id = ? AND id = ?");
    update.bind(1, name).bind(2, userId).bind(3, categoryId);
    return update.run() && m_db.changes() > 0;
}

bool PortfolioStore::deleteCategory(long long userId, long long categoryId) {
    if (!category(userId, categoryId)) {
        return false;
    }
    Statement holdings(m_db.handle(), "DELETE FROM holdings WHERE category_id = ?");
    holdings.bind(1, categoryId).run();
    Statement remove(m_db.handle(), "DELETE FROM categories WHERE user_id = ? AND id = ?");
    return remove.bind(1, userId).bind(2, categoryId).run();
}

std::vector<Holding> PortfolioStore::selectHoldings(const std::string& where, long long first,
                                                    std::optional<long long> second) const {
    const std::string sql = std::string("SELECT ") + kHoldingColumns +
                            " FROM holdings h JOIN categories c ON c.id = h.category_id WHERE " + where;
    Statement query(m_db.handle(), sql);
    query.bind(1, first);
    if (second) {
        query.bind(2, *second);
    }
    std::vector<Holding> list;
    while (query.step()) {
        list.push_back(readHolding(query));
    }
    return list;
}

std::vector<Holding> PortfolioStore::holdings(long long userId, long long categoryId) const {
    return selectHoldings("c.user_id = ? AND c.id = ? ORDER BY h.id", userId, categoryId);
}

std::vector<Holding> PortfolioStore::holdingsOfUser(long long userId) const {
    return selectHoldings("c.user_id = ? ORDER BY h.category_id, h.id", userId, std::nullopt);
}

std::optional<Holding> PortfolioStore::holding(long long userId, long long holdingId) const {
    auto found = selectHoldings("c.user_id = ? AND h.id = ?", userId, holdingId);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

long long PortfolioStore::addHolding(const Holding& h) {
    Statement insert(m_db.handle(), "INSERT INTO holdings (category_id, company_id, price, volume, over, under, fee)"
                                    " VALUES (?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, h.categoryId).bind(2, static_cast<long long>(h.companyId)).bind(3, h.price).bind(4, h.volume);
    insert.bind(5, h.over).bind(6, h.under).bind(7, h.fee);
    return insert.run() ? m_db.lastInsertId() : 0;
}

bool PortfolioStore::updateHolding(const Holding& h) {
    Statement update(m_db.handle(), "UPDATE holdings SET category_id = ?, company_id = ?, price = ?, volume = ?,"
                                    " over = ?, under = ?, fee = ? WHERE id = ?");
    update.bind(1, h.categoryId).bind(2, static_cast<long long>(h.companyId)).bind(3, h.price).bind(4, h.volume);
    update.bind(5, h.over).bind(6, h.under).bind(7, h.fee).bind(8, h.id);
    return update.run() && m_db.changes() > 0;
}

bool PortfolioStore::deleteHolding(long long userId, long long holdingId) {
    if (!holding(userId, holdingId)) {
        return false;
    }
    Statement remove(m_db.handle(), "DELETE FROM holdings WHERE id = ?");
    return remove.bind(1, holdingId).run();
}

} // namespace sim
