#pragma once

#include <QObject>

namespace net {

/// Counts the transfers under way so that one indicator can show whether any is outstanding.
/// Each transfer calls begin() once when it starts and end() once when it is over, however it ends.
class NetworkActivity final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NetworkActivity)

public:
    explicit NetworkActivity(QObject* parent = nullptr);

    bool isActive() const { return m_outstanding > 0; }
    int outstanding() const { return m_outstanding; }

    /// A transfer started.
    void begin();
    /// A transfer is over (finished, failed, aborted or its owner went away).
    void end();

Q_SIGNALS:
    /// Emitted only when the indicator should change: the first transfer began or the last ended.
    void activeChanged(bool active);

private:
    int m_outstanding = 0;
};

} // namespace net
