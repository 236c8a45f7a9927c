#pragma once

#include <QDateTime>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

/// The share of the overview, quote and finance answers that corvastel-sim and the embedded service
/// send with their first record on the header's line, a form the client must read like the other.
/// ServiceOptions built in code (tests) send none unless they ask.
inline constexpr double kDefaultHeaderJoinedRate = 0.1;

/// How one corvastel-sim runs: where it listens, which market (seed) and clock it serves, where it
/// keeps accounts and portfolios, and which faults it injects.
struct ServiceOptions {
    std::string host = "127.0.0.1";
    int port = 0; ///< 0: a free port chosen at start
    std::uint64_t seed = 1;
    std::string statePath;               ///< empty: accounts live in memory only
    std::string mailDir;                 ///< Maildir of the mails sent; empty: see mailFolderOf()
    std::optional<QDateTime> clockStart; ///< unset: now
    double speed = 1.0;
    /// Set: replay the latest session (as of the clock's start) from its open at this speed.
    std::optional<double> replaySpeed;
    std::string latestVersion = CORVASTEL_VERSION;
    int latencyMs = 0;
    double failRate = 0.0;
    double errorRate = 0.0;
    double garbageRate = 0.0;
    double headerJoinedRate = 0.0; ///< share of joinable answers with the first record on the header's line
};

/// Where the service delivers its mails: mailDir when given, else the folder "mail" beside the
/// state file (the data folder of the embedding client); empty, with neither, for a service kept
/// in memory, whose mails then only reach its listener.
std::string mailFolderOf(const ServiceOptions& options);

/// The outcome of reading a command line: options, a request for help, or an error text.
struct ParsedOptions {
    ServiceOptions options;
    bool showHelp = false;
    std::string error;
};

/// Reads the arguments after the program name ("--port 8080" and "--port=8080" alike).
ParsedOptions parseServiceOptions(const std::vector<std::string>& args);

/// The --help text.
std::string serviceUsage();

} // namespace sim
