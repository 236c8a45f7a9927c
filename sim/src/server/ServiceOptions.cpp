#include "ServiceOptions.h"

#include "server/Clock.h"
#include "server/Replay.h"

#include <QDir>
#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace sim {

namespace {

using Setter = std::function<bool(ServiceOptions&, const std::string&)>;

// from_chars, not stod: the embedding client may run under a locale whose decimal mark is ",".
bool toDouble(const std::string& text, double& out) {
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && std::isfinite(out);
}

template <typename T> bool toInteger(const std::string& text, T& out) {
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end;
}

Setter rate(double ServiceOptions::*field) {
    return [field](ServiceOptions& o, const std::string& v) {
        double r = 0;
        if (!toDouble(v, r) || r < 0.0 || r > 1.0) {
            return false;
        }
        o.*field = r;
        return true;
    };
}

bool setPort(ServiceOptions& o, const std::string& v) {
    int port = 0;
    if (!toInteger(v, port) || port < 0 || port > 65535) {
        return false;
    }
    o.port = port;
    return true;
}

bool setClock(ServiceOptions& o, const std::string& v) {
    const QDateTime read = QDateTime::fromString(QString::fromStdString(v), QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!read.isValid()) {
        return false;
    }
    o.clockStart = Clock::vietnamTime(read.date(), read.time());
    return true;
}

bool setSpeed(ServiceOptions& o, const std::string& v) {
    double speed = 0;
    if (!toDouble(v, speed) || speed <= 0) {
        return false;
    }
    o.speed = speed;
    return true;
}

bool setReplay(ServiceOptions& o, const std::string& v) {
    double speed = 0;
    if (!toDouble(v, speed) || speed <= 0) {
        return false;
    }
    o.replaySpeed = speed;
    return true;
}

// "--replay" may stand alone: the value is then the default speed.
bool takesOptionalValue(const std::string& name) {
    return name == "--replay";
}

bool setLatency(ServiceOptions& o, const std::string& v) {
    return toInteger(v, o.latencyMs) && o.latencyMs >= 0;
}

std::map<std::string, Setter> setterTable() {
    return {
        {"--host",
         [](ServiceOptions& o, const std::string& v) {
             return !(o.host = v).empty();
         }},
        {"--port", setPort},
        {"--seed",
         [](ServiceOptions& o, const std::string& v) {
             return toInteger(v, o.seed);
         }},
        {"--state",
         [](ServiceOptions& o, const std::string& v) {
             return !(o.statePath = v).empty();
         }},
        {"--mail-dir",
         [](ServiceOptions& o, const std::string& v) {
             return !(o.mailDir = v).empty();
         }},
        {"--clock", setClock},
        {"--speed", setSpeed},
        {"--replay", setReplay},
        {"--latest-version",
         [](ServiceOptions& o, const std::string& v) {
             return !(o.latestVersion = v).empty();
         }},
        {"--latency-ms", setLatency},
        {"--fail-rate", rate(&ServiceOptions::failRate)},
        {"--error-rate", rate(&ServiceOptions::errorRate)},
        {"--garbage-rate", rate(&ServiceOptions::garbageRate)},
        {"--header-joined-rate", rate(&ServiceOptions::headerJoinedRate)},
    };
}

} // namespace

std::string mailFolderOf(const ServiceOptions& options) {
    if (!options.mailDir.empty() || options.statePath.empty()) {
        return options.mailDir;
    }
    const QString dataFolder = QFileInfo(QFile::decodeName(options.statePath.c_str())).absolutePath();
    return QFile::encodeName(QDir(dataFolder).filePath(QStringLiteral("mail"))).toStdString();
}

ParsedOptions parseServiceOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    parsed.options.headerJoinedRate = kDefaultHeaderJoinedRate;
    const auto setters = setterTable();
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--help" || name == "-h") {
            parsed.showHelp = true;
            continue;
        }
        std::string value;
        const auto equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto it = setters.find(name);
        if (it == setters.end()) {
            parsed.error = "unknown option: " + name;
            return parsed;
        }
        if (!inlineValue && takesOptionalValue(name) && (i + 1 >= args.size() || args[i + 1].starts_with("-"))) {
            parsed.options.replaySpeed = kDefaultReplaySpeed;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                parsed.error = "missing value for " + name;
                return parsed;
            }
            value = args[++i];
        }
        if (!it->second(parsed.options, value)) {
            parsed.error = "invalid value for " + name;
            parsed.error.append(": ").append(value);
            return parsed;
        }
    }
    return parsed;
}

std::string serviceUsage() {
    return "Usage: corvastel-sim [options]\n"
           "  --host HOST            address to listen on (default 127.0.0.1)\n"
           "  --port N               port, 0 picks a free one (default 0)\n"
           "  --seed N               seed of the synthetic market (default 1)\n"
           "  --state FILE           SQLite file keeping accounts and portfolios (default: memory)\n"
           "  --mail-dir DIR         Maildir receiving the registration mails (default: \"mail\"\n"
           "                         beside the state file; none without one)\n"
           "  --clock \"YYYY-MM-DD HH:MM\"  market clock at start, Vietnam's time (default: now)\n"
           "  --speed N              the market clock runs N times faster than the wall clock\n"
           "  --replay [N]           replay the latest session from its open (08:30) at N times the\n"
           "                         wall clock (default 10)\n"
           "  --latest-version V     newest client version offered by the version check\n"
           "  --latency-ms N         delay every answer by N milliseconds\n"
           "  --fail-rate R          share (0..1) of requests whose connection is dropped\n"
           "  --error-rate R         share (0..1) of requests answered with an error status\n"
           "  --garbage-rate R       share (0..1) of answers with malformed records mixed in\n"
           "  --header-joined-rate R share (0..1) of overview, quote and finance answers whose first\n"
           "                         record shares the header's line (default 0.1)\n"
           "  --help                 this text\n";
}

} // namespace sim
