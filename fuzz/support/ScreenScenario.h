#pragma once

#include "support/FuzzShell.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <span>

namespace fuzzing {

/// One way an answer reaches the program: what the user does so that a screen (or the application
/// object) sends the request this answer is read as.
struct ScreenScenario {
    const char* name;
    std::function<void(FuzzShell&)> sendRequest;
};

/// Runs one fuzz input: its first byte picks the scenario, the rest is the answer's body, handed
/// to the request the scenario sent through the reply's own signals. The shell is settled after.
inline int runScenario(std::span<const ScreenScenario> scenarios, const std::uint8_t* data, std::size_t size) {
    if (size == 0 || scenarios.empty()) {
        return 0;
    }
    FuzzShell& shell = FuzzShell::instance();
    const ScreenScenario& scenario = scenarios[data[0] % scenarios.size()];
    scenario.sendRequest(shell);
    const QByteArray body(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (!shell.answer(body)) {
        // A scenario that sends nothing feeds nothing: say so, so that a screen change that
        // silently stops a scenario from reaching its reader does not go unnoticed.
        std::fprintf(stderr, "scenario \"%s\" sent no request\n", scenario.name);
        std::abort();
    }
    shell.settle();
    return 0;
}

} // namespace fuzzing
