#include "ui/PageIndicator.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

constexpr double kDotRadius = 3.5;
constexpr double kDotStep = 16.0;

} // namespace

PageIndicator::PageIndicator(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

PageIndicator::~PageIndicator() = default;

void PageIndicator::setNumberOfPages(int pages) {
    m_pages = std::max(0, pages);
    m_current = std::clamp(m_current, 0, std::max(0, m_pages - 1));
    update();
}

void PageIndicator::setCurrentPage(int page) {
    m_current = std::clamp(page, 0, std::max(0, m_pages - 1));
    update();
}

QPointF PageIndicator::centreOf(int page) const {
    const double first = width() / 2.0 - (m_pages - 1) * kDotStep / 2.0;
    return {first + page * kDotStep, height() / 2.0};
}

void PageIndicator::paintEvent(QPaintEvent* /*event*/) {
    if (m_pages <= 1) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int page = 0; page < m_pages; ++page) {
        painter.setBrush(page == m_current ? QColor(Qt::white) : QColor(0x60, 0x66, 0x70));
        painter.drawEllipse(centreOf(page), kDotRadius, kDotRadius);
    }
}

void PageIndicator::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_pages <= 1) {
        return;
    }
    const int next = event->position().x() < centreOf(m_current).x() ? m_current - 1 : m_current + 1;
    if (next < 0 || next >= m_pages) {
        return;
    }
    m_current = next;
    update();
    Q_EMIT pageChanged(m_current);
}

} // namespace ui
