#include "net/NetworkActivity.h"

namespace net {

NetworkActivity::NetworkActivity(QObject* parent)
    : QObject(parent) {}

void NetworkActivity::begin() {
    ++m_outstanding;
    if (m_outstanding == 1) {
        Q_EMIT activeChanged(true);
    }
}

void NetworkActivity::end() {
    // An unbalanced end() would hide the indicator while another transfer still runs.
    Q_ASSERT(m_outstanding > 0);
    if (m_outstanding == 0) {
        return;
    }
    --m_outstanding;
    if (m_outstanding == 0) {
        Q_EMIT activeChanged(false);
    }
}

} // namespace net
