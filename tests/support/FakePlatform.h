#pragma once

#include "core/Platform.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace testsupport {

/// Preferences that hold what a test (or a fuzz target) puts in them.
class FakePreferences final : public core::Preferences {
public:
    std::optional<double> number(const QString& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional<double>(found->second);
    }
    void setNumber(const QString& key, double value) override { values[key] = value; }
    std::map<QString, double> values;
};

class FakeKeepAwake final : public core::KeepAwake {
public:
    void setKeepAwake(bool awake) override { m_awake = awake; }
    bool isKeptAwake() const override { return m_awake; }

private:
    bool m_awake = false;
};

/// Remembers the links the program asked to open instead of opening them.
class FakeLinks final : public core::LinkOpener {
public:
    void openLink(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

/// Keeps the desktop notices the program gave instead of showing them; a test clicks one by
/// running its action.
class FakeNotifier final : public core::DesktopNotifier {
public:
    struct Notice {
        QString title;
        QString body;
        std::function<void()> clicked;
    };

    void notify(const QString& title, const QString& body, std::function<void()> clicked) override {
        notices.push_back(Notice{title, body, std::move(clicked)});
    }
    std::vector<Notice> notices;
};

} // namespace testsupport
