#pragma once

#include "core/Platform.h"

#include <QList>
#include <QUrl>

#include <map>
#include <optional>

namespace testsupport {

/// Preferences that hold what a test (or a fuzz target) puts in them.
class FakePreferences final : public core::Preferences {
public:
    std::optional<double> number(const QString& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional<double>(found->second);
    }
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

} // namespace testsupport
