#include "company/PriceWarningCheck.h"

#include "company/DirectoryWarningViewController.h"
#include "company/WarningNotices.h"
#include "net/AnswerReader.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <algorithm>

namespace company {

namespace {

constexpr int kWarningFields = 5;

} // namespace

PriceWarningCheck::PriceWarningCheck(shell::QRMInfoAppDelegate& app, ui::ViewController& list,
                                     std::function<void()> switchLiveOff)
    : m_app(app)
    , m_list(list)
    , m_switchLiveOff(std::move(switchLiveOff)) {}

bool PriceWarningCheck::countAnswer() {
    ++m_count;
    if (m_count > 1) {
        m_count = 0;
        return true;
    }
    return false;
}

QString PriceWarningCheck::request() const {
    QStringList names;
    QStringList ids;
    m_app.db()->getDirList(names, ids);
    if (ids.isEmpty() || !m_app.isAuthenticated()) {
        return {};
    }
    return m_app.endpoints().priceWarnings(ids.join(u','));
}

void PriceWarningCheck::handleAnswer(const QByteArray& data) {
    const net::Answer answer = net::readAnswer(data);
    if (answer.headerFieldCount() < 2) {
        return;
    }
    const bool onTop = m_app.navigator().topController() == &m_list;
    if (answer.status() != 0) {
        m_switchLiveOff();
        if (onTop) {
            m_app.alerts().tell(answer.headerText(2));
        }
        return;
    }
    const auto records = answer.allRecords();
    const bool warned = std::any_of(records.begin(), records.end(),
                                    [](const net::RecordView& record) { return record.size() == kWarningFields; });
    if (!warned) {
        return;
    }
    // The desktop is told even when the answer finds the user elsewhere or the window hidden.
    m_app.sharedPart<WarningNotices>().announce(data, m_app.dateDiffFromNow());
    // A late answer finds the user elsewhere: the warnings wait for the next check on the list.
    if (onTop) {
        DirectoryWarningViewController::open(m_app, data);
    }
}

} // namespace company
