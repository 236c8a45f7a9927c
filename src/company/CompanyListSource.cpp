#include "company/CompanyListSource.h"

#include "company/BoardColours.h"
#include "shell/ScreenStyle.h"
#include "ui/Artwork.h"
#include "ui/RowLabel.h"
#include "ui/TrendPalette.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace company {

CompanyListSource::CompanyListSource()
    : CompanyListSource(ui::artwork(QStringLiteral("AccDisclosure.png"), QSize(20, 20))) {}

CompanyListSource::CompanyListSource(QPixmap disclosure)
    : m_disclosure(std::move(disclosure)) {}

void CompanyListSource::setRowTexts(const QStringList& rowTexts) {
    m_rows.clear();
    m_rows.reserve(std::size_t(rowTexts.size()));
    for (const QString& text : rowTexts) {
        m_rows.push_back(CompanyListRow::fromText(text));
    }
}

// One read of the store per day listed (a list holds one day, or a few where quotes are old),
// not one per row: this runs at every live refresh.
void CompanyListSource::readPriceLimits(myDb& db) {
    QHash<int, QHash<QString, ui::PriceLimits>> byDay;
    for (CompanyListRow& row : m_rows) {
        row.limits.reset();
        if (!row.quoted) {
            continue;
        }
        auto day = byDay.find(row.day);
        if (day == byDay.end()) {
            day = byDay.insert(row.day, company::readPriceLimitsOfDay(db, row.day));
        }
        const auto found = day->constFind(row.companyId);
        if (found != day->cend()) {
            row.limits = *found;
        }
    }
}

const CompanyListRow* CompanyListSource::row(int index) const {
    return index >= 0 && index < rowCount() ? &m_rows[std::size_t(index)] : nullptr;
}

bool CompanyListSource::hasRowOfDay(int day) const {
    return std::any_of(m_rows.begin(), m_rows.end(), [day](const CompanyListRow& row) { return row.day == day; });
}

QStringList CompanyListSource::headings() {
    return {QStringLiteral("Mã"), QStringLiteral("Giá"), QStringLiteral("+/-"), QStringLiteral("%"),
            QStringLiteral("KL")};
}

QStringList CompanyListSource::rowTexts(int row) const {
    const CompanyListRow* item = this->row(row);
    if (!item) {
        return {};
    }
    return {item->code, item->priceText, item->changeText, item->percentText, item->volumeText};
}

void CompanyListSource::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    const CompanyListRow* item = this->row(row);
    if (!item) {
        return;
    }
    painter.fillRect(rect, selected ? QColor(0x1c, 0x3a, 0x66) : QColor(Qt::black));
    const auto at = [&rect](const QRect& frame) {
        return frame.translated(rect.topLeft());
    };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const CompanyListRow::Colours colours = item->coloursIn(ui::colorsOf(m_palette));
    ui::paintLabel(painter, at(kCodeFrame), item->code, Qt::white, 13, true, Qt::AlignLeft | Qt::AlignVCenter);
    ui::paintLabel(painter, at(kPriceFrame), item->priceText, colours.price, 13, true, right);
    ui::paintLabel(painter, at(kChangeFrame), item->changeText, colours.change, 13, true, right);
    ui::paintLabel(painter, at(kPercentFrame), item->percentText, colours.percent, 13, true, right);
    ui::paintLabel(painter, at(kVolumeFrame), item->volumeText, Qt::white, 13, true, right);
    ui::paintCentred(painter, m_disclosure, at(kDetailFrame));
}

ui::SortKey CompanyListSource::sortKey(int row, int column) const {
    const CompanyListRow* item = this->row(row);
    if (!item) {
        return {};
    }
    if (column == kCodeColumn) {
        return ui::SortKey::of(item->code);
    }
    if (!item->quoted) {
        return {};
    }
    switch (column) {
    case kPriceColumn:
        return ui::SortKey::of(item->price);
    case kChangeColumn:
        return ui::SortKey::of(item->change);
    case kPercentColumn:
        return ui::SortKey::of(item->percent);
    case kVolumeColumn:
        return ui::SortKey::of(item->volume);
    default:
        return {};
    }
}

QString CompanyListSource::matchText(int row) const {
    const CompanyListRow* item = this->row(row);
    if (!item) {
        return {};
    }
    const auto name = m_names.constFind(item->code);
    return name == m_names.cend() ? item->code : item->code + u' ' + *name;
}

QString CompanyListSource::rowIdentity(int row) const {
    const CompanyListRow* item = this->row(row);
    return item ? item->code : QString();
}

QList<QLabel*> buildCompanyListHeadings(QWidget* root) {
    const auto heading = [root](const QString& text, const QRect& frame, Qt::Alignment alignment) {
        QLabel* label = shell::makeLabel(root, text, frame.translated(0, 30 - frame.y()), 12, true);
        label->setStyleSheet(QStringLiteral("color: #9fb4d0; background: transparent;"));
        label->setAlignment(alignment | Qt::AlignVCenter);
        return label;
    };
    const Qt::Alignment right = Qt::AlignRight;
    const QStringList titles = CompanyListSource::headings();
    return {heading(titles.at(0), CompanyListSource::kCodeFrame, Qt::AlignLeft),
            heading(titles.at(1), CompanyListSource::kPriceFrame, right),
            heading(titles.at(2), CompanyListSource::kChangeFrame, right),
            heading(titles.at(3), CompanyListSource::kPercentFrame, right),
            heading(titles.at(4), CompanyListSource::kVolumeFrame, right)};
}

} // namespace company
