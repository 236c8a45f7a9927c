#pragma once

#include "ui/TrendColors.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;

namespace ui {
class TrendPalette;
}

namespace company {

/// The quote panel of a company: code, exchange, price, change and percent, volume, reference,
/// open, close, best bid and ask, ceiling, floor and the residues. The real-time screen and the
/// trading-results tab both show one row of the company detail data through it. The price and
/// the change are coloured from the trend palette, again whenever it changes.
class QuotePanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuotePanel)

public:
    /// The panel's labels, in the order of the screen.
    enum class Field {
        StockCode,
        Stock,
        StockPoint,
        Percent,
        Quantity,
        Refer,
        Open,
        Close,
        BqBuy,
        BqShell,
        Ceil,
        Floor,
        ResBuy,
        ResSell,
    };
    static constexpr int kFieldCount = 14;
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 132;
    /// The number of texts of one company detail row.
    static constexpr int kDetailSize = 18;

    explicit QuotePanel(QWidget* parent = nullptr);

    /// The palette of the price and change colours (the usual ones without one).
    void setTrendPalette(const ui::TrendPalette* palette);

    /// Fills the panel from one company detail row (code, company id, exchange id, day, change,
    /// percent, company id, price, volume, reference, open, close, best bid, best ask, ceiling,
    /// floor, buy residue, sell residue). A shorter row leaves the panel as it is.
    void display(const QStringList& detail);
    /// Empties every label (a newly opened company before its quote is known).
    void clear();

    QString text(Field field) const;
    QColor color(Field field) const;
    /// Whether the shown company trades on HoSE (exchange id 2); false before any display.
    bool isHoSE() const { return m_hose; }

    /// The usual colour of a rise or of no change, and of a fall (both colour options off).
    static QColor riseColor() { return ui::TrendColors().qRise(ui::Shade::Deep); }
    static QColor fallColor() { return ui::TrendColors().qFall(ui::Shade::Deep); }

private:
    QLabel* label(Field field) const { return m_labels[static_cast<std::size_t>(field)]; }
    void buildHeadline();
    void buildGrid();
    void setText(Field field, const QString& text);
    void setColor(Field field, const QColor& color);
    void showChange(const QString& change, const QString& percent);
    /// Colours the price and the change of the row shown, in the palette's colours.
    void colourChange();

    std::array<QLabel*, kFieldCount> m_labels{};
    std::array<QColor, kFieldCount> m_colors{};
    bool m_hose = false;
    const ui::TrendPalette* m_palette = nullptr;
    /// The row shown, kept to colour it again.
    QStringList m_detail;
};

} // namespace company
