#pragma once

#include "ui/TrendColors.h"

#include <QColor>
#include <QString>

#include <optional>

namespace company {

/// One row of the company list, read from the store's row text
/// ("code,id,day,price,change,percent,volume,minute") and turned into the texts and colours the
/// table shows. The store's day limits of the quote (reference, ceiling, floor), when read, give
/// the price-board colours.
struct CompanyListRow final {
    /// The colours of the price, change and percent cells.
    struct Colours {
        QColor price = Qt::white;
        QColor change = Qt::white;
        QColor percent = Qt::white;
    };

    QString code;
    QString companyId;
    int day = 0;
    int minute = 0;
    QString priceText;
    QString changeText;
    QString percentText;
    QString volumeText;
    /// The change and percent in the usual colours, as read.
    QColor changeColor;
    QColor percentColor;
    /// Whether the row holds a quote (a watched stock may have none yet); the figures behind the
    /// texts are for ordering.
    bool quoted = false;
    double price = 0;
    double change = 0;
    double percent = 0;
    double volume = 0;
    std::optional<ui::PriceLimits> limits;

    static CompanyListRow fromText(const QString& rowText);
    /// The cells' colours in a palette: the price white and the change and percent by their
    /// signs, or all three in the board colour of the price when the palette shows board colours
    /// and the limits are known.
    Colours coloursIn(const ui::TrendColors& colors) const;
};

/// A whole number shows one decimal ("12.0"), any other number as the grouped decimal text.
QString numberText(double value);
/// The percent rounded to one decimal, halves away from zero, shown by numberText.
QString percentText(double percent);

} // namespace company
