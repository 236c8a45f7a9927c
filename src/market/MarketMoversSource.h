#pragma once

#include "market/CompanyDayResult.h"
#include "ui/RowSource.h"

#include <QPixmap>
#include <QRect>

#include <vector>

class QWidget;

namespace ui {
class TrendPalette;
}

namespace market {

/// The rows of a movers ranking: rank, code, price, change, percent and volume, each ending
/// with the disclosure picture that says the row opens its company.
class MarketMoversSource final : public ui::RowSource {
public:
    static constexpr int kRowHeight = 21;
    /// Frames inside a row.
    static constexpr QRect kRankFrame{4, 0, 24, kRowHeight};
    static constexpr QRect kCodeFrame{36, 0, 50, kRowHeight};
    static constexpr QRect kPriceFrame{90, 0, 66, kRowHeight};
    static constexpr QRect kChangeFrame{160, 0, 60, kRowHeight};
    static constexpr QRect kPercentFrame{224, 0, 62, kRowHeight};
    static constexpr QRect kVolumeFrame{292, 0, 130, kRowHeight};
    /// Ends left of the table's vertical scroll bar.
    static constexpr QRect kDetailFrame{436, 0, 24, kRowHeight};

    MarketMoversSource();

    void setResults(std::vector<CompanyDayResult> results);
    const std::vector<CompanyDayResult>& results() const { return m_results; }
    const CompanyDayResult* result(int row) const;

    int rowCount() const override { return int(m_results.size()); }
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    QStringList columnTitles() const override { return headings(); }
    /// "STT", "Mã", "Giá", "+/-", "%", "KL".
    static QStringList headings();
    QStringList rowTexts(int row) const override;

    /// The palette the rows are painted in (the usual colours without one).
    void setPalette(const ui::TrendPalette* palette) { m_palette = palette; }

private:
    std::vector<CompanyDayResult> m_results;
    const ui::TrendPalette* m_palette = nullptr;
    QPixmap m_disclosure;
};

/// The headings over the rows, under the screen's top bar at y.
void buildMoversHeadings(QWidget* root, int y);

} // namespace market
