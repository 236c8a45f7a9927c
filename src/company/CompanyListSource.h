#pragma once

#include "company/CompanyListRow.h"
#include "ui/RowKeys.h"
#include "ui/RowSource.h"

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QStringList>

#include <vector>

class QLabel;
class QWidget;
class myDb;

namespace ui {
class TrendPalette;
}

namespace company {

/// The rows of the company table: built once from the store's row texts when the list is
/// re-read, painted only while visible. Ordered by code or figure, filtered by code or name.
class CompanyListSource final : public ui::RowSource, public ui::RowKeys {
public:
    /// Columns, as the headings number them.
    enum Column { kCodeColumn, kPriceColumn, kChangeColumn, kPercentColumn, kVolumeColumn };

    static constexpr int kRowHeight = 30;
    /// Frames inside a row.
    static constexpr QRect kCodeFrame{35, 5, 40, 20};
    static constexpr QRect kPriceFrame{105, 5, 60, 20};
    static constexpr QRect kChangeFrame{175, 5, 50, 20};
    static constexpr QRect kPercentFrame{245, 5, 60, 20};
    static constexpr QRect kVolumeFrame{330, 5, 80, 20};
    /// Ends left of the vertical scroll bar, which lies over the last 17 points of the table.
    static constexpr QRect kDetailFrame{436, 5, 24, 20};

    CompanyListSource();
    /// With the picture drawn at the end of each row (any pixel density).
    explicit CompanyListSource(QPixmap disclosure);

    void setRowTexts(const QStringList& rowTexts);
    /// The companies' names by code, which a typed filter looks in besides the codes.
    void setNames(QHash<QString, QString> names) { m_names = std::move(names); }
    /// Reads each quoted row's day limits from the store, for the price-board colours.
    void readPriceLimits(myDb& db);
    /// The palette the rows are painted in (the usual colours without one).
    void setPalette(const ui::TrendPalette* palette) { m_palette = palette; }
    const std::vector<CompanyListRow>& rows() const { return m_rows; }
    const CompanyListRow* row(int index) const;
    /// Whether a row holds a quote of that day.
    bool hasRowOfDay(int day) const;

    int rowCount() const override { return int(m_rows.size()); }
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    /// The headings over the rows ("Mã", "Giá", "+/-", "%", "KL").
    QStringList columnTitles() const override { return headings(); }
    QStringList rowTexts(int row) const override;
    static QStringList headings();

    ui::SortKey sortKey(int row, int column) const override;
    QString matchText(int row) const override;
    QString rowIdentity(int row) const override;

private:
    std::vector<CompanyListRow> m_rows;
    QHash<QString, QString> m_names;
    QPixmap m_disclosure;
    const ui::TrendPalette* m_palette = nullptr;
};

/// The headings over a list of these rows ("Mã", "Giá", "+/-", "%", "KL"), under the top bar, in
/// column order.
QList<QLabel*> buildCompanyListHeadings(QWidget* root);

} // namespace company
