#include "shell/ActivityIndicator.h"

#include "ui/Scheduler.h"

#include <QPainter>

namespace shell {

namespace {

constexpr int kSpokes = 12;
constexpr double kFrameSeconds = 0.08;

} // namespace

ActivityIndicator::ActivityIndicator(ui::Scheduler& scheduler, QWidget* parent)
    : QWidget(parent)
    , m_scheduler(scheduler) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

ActivityIndicator::~ActivityIndicator() = default;

void ActivityIndicator::startAnimating() {
    show();
    raise();
    if (!m_timer) {
        m_timer = m_scheduler.repeating(kFrameSeconds, [this] {
            m_phase = (m_phase + 1) % kSpokes;
            update();
        });
    }
}

void ActivityIndicator::stopAnimating() {
    m_timer.reset();
    hide();
}

void ActivityIndicator::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    for (int spoke = 0; spoke < kSpokes; ++spoke) {
        const int age = (m_phase - spoke + kSpokes) % kSpokes;
        QColor color(Qt::white);
        color.setAlphaF(static_cast<float>(1.0 - age / static_cast<double>(kSpokes)));
        painter.setPen(QPen(color, side / 10, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, side * 0.22), QPointF(0, side * 0.45));
        painter.rotate(360.0 / kSpokes);
    }
}

} // namespace shell
