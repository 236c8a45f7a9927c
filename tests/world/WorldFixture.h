#pragma once

#include "server/ScriptedServer.h"
#include "shell/ShellFixture.h"
#include "store/myDb.h"

#include <string>
#include <vector>

namespace testsupport {

/// The application started against a scripted service (the update question declined), today
/// fixed at day 9000, with helpers to answer and to open the world screens.
class WorldTest : public ShellTest {
protected:
    static constexpr int kToday = 9000;

    void SetUp() override {
        ShellTest::SetUp();
        startQuietly(m_server.baseUrl());
        app().setCurrentDay(kToday);
        // A screen's first look of the day asks once; unless a test answers otherwise, the
        // service refuses, which stores nothing and shows no alert.
        m_server.set("/KTRPW/realtime.aspx", answer(body(1, kToday, {})));
    }

    /// An answer of the service: the header with status and day, then one record a line.
    static std::string body(int status, int day, const std::vector<std::string>& records) {
        std::string text = "KTRPW:" + std::to_string(status) + ":" + std::to_string(day) + ";";
        for (const std::string& record : records) {
            text += "\n" + record + ";";
        }
        return text;
    }

    /// The screen pushed over the main menu (which shows it and loads it).
    template <typename Screen> Screen& open() {
        auto* screen = app().cachedScreen<Screen>();
        navigator().push(screen, false);
        return *screen;
    }

    int requestsWith(const std::string& part) const { return m_server.requestsWith(part); }

    sim::ScriptedServer m_server;
};

} // namespace testsupport
