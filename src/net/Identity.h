#pragma once

#include <QString>

namespace net {

/// Who the client is at the moment a URL is built: the login session once authenticated, the
/// device id before.
struct Identity {
    bool isAuthenticated = false;
    QString session;
    QString imei;
};

} // namespace net
