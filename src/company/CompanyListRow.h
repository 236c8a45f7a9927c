#pragma once

#include <QColor>
#include <QString>

namespace company {

/// One row of the company list, read from the store's row text
/// ("code,id,day,price,change,percent,volume,minute") and turned into the texts and colours the
/// table shows.
struct CompanyListRow final {
    QString code;
    QString companyId;
    int day = 0;
    int minute = 0;
    QString priceText;
    QString changeText;
    QString percentText;
    QString volumeText;
    QColor changeColor;
    QColor percentColor;
    /// The figures behind the texts, for ordering; a row without a quote has none.
    bool quoted = false;
    double price = 0;
    double change = 0;
    double percent = 0;
    double volume = 0;

    static CompanyListRow fromText(const QString& rowText);
};

/// A whole number shows one decimal ("12.0"), any other number as the grouped decimal text.
QString numberText(double value);
/// The percent rounded to one decimal, halves away from zero, shown by numberText.
QString percentText(double percent);
/// Red for a fall, green otherwise (no change included).
QColor trendColor(double value);

} // namespace company
