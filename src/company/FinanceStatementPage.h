#pragma once

#include <QString>

#include <array>
#include <optional>

namespace company {

/// One stored statement period of a company, from the store's row text
/// "id,quarter,year,TTS,VCSH,DTT,LNST,layoutId".
struct StatementPeriod {
    /// 1 to 4 for a quarter, 5 for a whole year.
    QString quarter;
    QString year;
    /// The four figures in millions, in the order of the store's columns.
    std::array<QString, 4> figures;
    QString layoutId;

    static StatementPeriod fromRow(const QString& row);
    /// "Năm %@" for a whole year, "Quý %@/%@" for a quarter.
    QString heading() const;
};

/// Table layouts: which four figures a company's statements hold.
enum class StatementLayout { Ordinary, Bank, Fund, None };
StatementLayout statementLayoutOf(int layoutId);

/// The page shown before any statement is: black and empty.
QString emptyStatementPage();

/// The statement table page of two periods side by side: the older one on the left (absent for
/// a company with a single stored period, its column then shows " - "), the newer one on the
/// right. Every text from the store is escaped.
QString statementPage(StatementLayout layout, const StatementPeriod& right, const std::optional<StatementPeriod>& left);

/// The layout of a pair of periods: the left period's, or the right one's when there is no left
/// one (a bank or a fund with one stored period keeps its own labels).
int layoutIdOf(const StatementPeriod& right, const std::optional<StatementPeriod>& left);

} // namespace company
