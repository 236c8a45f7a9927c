#pragma once

#include <QLoggingCategory>

// Store failures never reach the user; a developer sees them with
// QT_LOGGING_RULES="corvastel.store.warning=true".
Q_DECLARE_LOGGING_CATEGORY(lcStore)
