#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sim {

class StateDatabase;

/// A user's portfolio category.
struct Category {
    long long id = 0;
    std::string name;
};

/// One stock position of a category. The numbers are kept as the text the client sent, so they
/// come back exactly as typed.
struct Holding {
    long long id = 0;
    long long categoryId = 0;
    int companyId = 0;
    std::string price;
    std::string volume;
    std::string over;
    std::string under;
    std::string fee;
};

/// Categories and holdings, always scoped to the user that owns them.
class PortfolioStore final {
public:
    explicit PortfolioStore(StateDatabase& db);

    std::vector<Category> categories(long long userId) const;
    std::optional<Category> category(long long userId, long long categoryId) const;
    std::optional<Category> categoryByName(long long userId, const std::string& name) const;
    long long addCategory(long long userId, const std::string& name);
    bool renameCategory(long long userId, long long categoryId, const std::string& name);
    /// Deletes the category and its holdings.
    bool deleteCategory(long long userId, long long categoryId);

    std::vector<Holding> holdings(long long userId, long long categoryId) const;
    std::vector<Holding> holdingsOfUser(long long userId) const;
    std::optional<Holding> holding(long long userId, long long holdingId) const;
    long long addHolding(const Holding& holding);
    bool updateHolding(const Holding& holding);
    bool deleteHolding(long long userId, long long holdingId);

private:
    std::vector<Holding> selectHoldings(const std::string& where, long long first,
                                        std::optional<long long> second) const;

    StateDatabase& m_db;
};

} // namespace sim
