#pragma once

#include <QDateTime>

namespace sim {

struct ServiceOptions;

/// The replays a demo runs at night: the latest session, from its open, faster than life.
inline constexpr double kDefaultReplaySpeed = 10.0;

/// The open (08:30, Vietnam's time) of the latest session that has begun by `now`: today's once
/// the market has opened, else the last trading day's.
QDateTime latestSessionOpen(const QDateTime& now);

/// Where the market clock starts: the given start or now, moved back to the latest session's
/// open when the options ask for a replay.
QDateTime clockStartOf(const ServiceOptions& options, const QDateTime& now);

/// How fast the market clock runs: the replay's speed when replaying.
double clockSpeedOf(const ServiceOptions& options);

} // namespace sim
