#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace shell {
class QRMInfoAppDelegate;
}
namespace ui {
class ViewController;
}

namespace company {

/// The price-warning check of the live lists (the company list and the watch list): after the
/// 1st, 3rd, 5th ... quote answer since the list was shown it asks whether a holding of the
/// logged-in user crossed a threshold, and a warning in the answer opens the warning screen over
/// the list. The list sends the request on its own request object.
class PriceWarningCheck final {
public:
    /// `switchLiveOff` runs when the service refuses the check.
    PriceWarningCheck(shell::QRMInfoAppDelegate& app, ui::ViewController& list, std::function<void()> switchLiveOff);

    /// Each time the list is shown (and at a full reload) the next answer is followed by a check.
    void restart() { m_count = 1; }
    int count() const { return m_count; }
    /// Counts a quote answer; true when a check is due now.
    bool countAnswer();
    /// The request of the check: empty without categories or without a login.
    QString request() const;
    /// The check's answer: a refusal switches live mode off (and is shown while the list is on
    /// top); a warning record opens the warning screen with the whole answer, if the user is
    /// still on the list, and the desktop is told of the holdings not yet told of today.
    void handleAnswer(const QByteArray& data);

private:
    shell::QRMInfoAppDelegate& m_app;
    ui::ViewController& m_list;
    std::function<void()> m_switchLiveOff;
    int m_count = 1;
};

} // namespace company
