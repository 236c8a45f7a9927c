#include "market/MarketMoversSource.h"

#include "company/CompanyListRow.h"
#include "core/CalendarHelpers.h"
#include "shell/ScreenStyle.h"
#include "ui/Artwork.h"
#include "ui/RowLabel.h"
#include "ui/TrendPalette.h"

#include <QLabel>
#include <QPainter>

namespace market {

namespace {

constexpr int kFontSize = 12;
const QColor kRankColor(0x9f, 0xb4, 0xd0);

QColor markColor(const ui::TrendColors& colors, ui::PriceMark mark) {
    return colors.ofMark(mark, ui::Shade::Deep).toQColor();
}

} // namespace

MarketMoversSource::MarketMoversSource()
    : m_disclosure(ui::artwork(QStringLiteral("AccDisclosure.png"), QSize(18, 18))) {}

void MarketMoversSource::setResults(std::vector<CompanyDayResult> results) {
    m_results = std::move(results);
}

const CompanyDayResult* MarketMoversSource::result(int row) const {
    return row >= 0 && row < rowCount() ? &m_results[std::size_t(row)] : nullptr;
}

QStringList MarketMoversSource::headings() {
    return {QStringLiteral("STT"), QStringLiteral("Mã"), QStringLiteral("Giá"),
            QStringLiteral("+/-"), QStringLiteral("%"),  QStringLiteral("KL")};
}

QStringList MarketMoversSource::rowTexts(int row) const {
    const CompanyDayResult* item = result(row);
    if (!item) {
        return {};
    }
    return {QString::number(row + 1),
            item->code,
            company::numberText(item->price),
            company::numberText(item->change),
            company::percentText(item->percent),
            core::getDecimalString(item->volume)};
}

void MarketMoversSource::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    const CompanyDayResult* item = result(row);
    if (!item) {
        return;
    }
    painter.fillRect(rect, selected ? QColor(0x1c, 0x3a, 0x66) : QColor(Qt::black));
    const auto at = [&rect](const QRect& frame) {
        return frame.translated(rect.topLeft());
    };
    const QStringList texts = rowTexts(row);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const ui::TrendColors colors = ui::colorsOf(m_palette);
    const QColor trend = markColor(colors, ui::markOfChange(item->change));
    ui::paintLabel(painter, at(kRankFrame), texts.at(0), kRankColor, kFontSize, false, right);
    ui::paintLabel(painter, at(kCodeFrame), texts.at(1), Qt::white, kFontSize, true, Qt::AlignLeft | Qt::AlignVCenter);
    ui::paintLabel(painter, at(kPriceFrame), texts.at(2), markColor(colors, item->mark()), kFontSize, true, right);
    ui::paintLabel(painter, at(kChangeFrame), texts.at(3), trend, kFontSize, true, right);
    ui::paintLabel(painter, at(kPercentFrame), texts.at(4), trend, kFontSize, true, right);
    ui::paintLabel(painter, at(kVolumeFrame), texts.at(5), Qt::white, kFontSize, true, right);
    ui::paintCentred(painter, m_disclosure, at(kDetailFrame));
}

void buildMoversHeadings(QWidget* root, int y) {
    const QStringList titles = MarketMoversSource::headings();
    const QRect frames[] = {MarketMoversSource::kRankFrame,    MarketMoversSource::kCodeFrame,
                            MarketMoversSource::kPriceFrame,   MarketMoversSource::kChangeFrame,
                            MarketMoversSource::kPercentFrame, MarketMoversSource::kVolumeFrame};
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const QRect& frame = frames[i];
        QLabel* label = shell::makeLabel(root, titles.at(i), QRect(frame.x(), y, frame.width(), 18), 12, true);
        label->setStyleSheet(QStringLiteral("color: #9fb4d0; background: transparent;"));
        label->setAlignment((i == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
}

} // namespace market
