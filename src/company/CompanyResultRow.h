#pragma once

#include <QString>

namespace company {

/// One row of the company's chart data: "day,price,volume".
struct CompanyResultRow {
    int day = 0;
    double price = 0;
    double volume = 0;

    static CompanyResultRow fromText(const QString& text);
};

} // namespace company
