// End-of-day synchronisation: the full update applied one day per timer step, the two trading
// results loads, and the version check, each kind of load on a request object of its own.
#include "core/EndOfDayApply.h"
#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "net/RequestKind.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Scheduler.h"

#include <QUrl>

#include <array>
#include <cstdio>

namespace shell {

namespace {

constexpr int kStaleHistoryDays = 20;
constexpr double kStepSeconds = 0.5;
constexpr double kLastStepSeconds = 1.5;
constexpr int kFullUpdateKind = 2;
constexpr int kMarketResultsKind = 8;
constexpr int kCompanyResultsKind = 9;
constexpr int kVersionCheckKind = 10;
constexpr int kCategoryListKind = 18;

// "Đang cập nhật...%2.0lf%%": the percentage at least two characters wide, rounded as the C
// library rounds (an exact half to even: 12.5 gives 12), which Qt's formatting does not.
QString progressText(double percent) {
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%2.0f", percent);
    return QStringLiteral("Đang cập nhật...") + QString::fromLatin1(digits.data()) + QLatin1Char('%');
}

} // namespace

void QRMInfoAppDelegate::startLoad(net::MyUrlRequest& request, net::RequestDelegate& receiver, int kind,
                                   const QString& url) {
    m_bRealTime = true;
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(true);
    }
    request.setMyReqType(kind);
    request.setDelegate(&receiver);
    request.ResquestLink(url);
}

// The full update has a request object of its own: a results load started while it runs (the
// context menu leaves the user on a results screen) must not change what its day steps read.
void QRMInfoAppDelegate::load_EOD() {
    int lastDay = m_db->getLastDayUpdate();
    if (lastDay < m_currentDay - kStaleHistoryDays) {
        lastDay = 0;
    }
    if (!m_fullUpdateRequest) {
        m_fullUpdateRequest = makeRequest();
    }
    startLoad(*m_fullUpdateRequest, m_fullUpdateReceiver, kFullUpdateKind, m_endpoints.endOfDay(lastDay));
}

void QRMInfoAppDelegate::load_EOD_KQGD(int day) {
    startResultsLoad(kMarketResultsKind, m_endpoints.tradingResults(day));
}

void QRMInfoAppDelegate::load_EOD_KQGD_COM(int day) {
    startResultsLoad(kCompanyResultsKind, m_endpoints.tradingResults(day));
}

// A new load drops the one under way without a callback; when that one was the other screen's,
// that screen is told, or its spinner would turn for good. A screen's own earlier load is simply
// answered by the newer one.
void QRMInfoAppDelegate::startResultsLoad(int kind, const QString& url) {
    if (!m_resultsRequest) {
        m_resultsRequest = makeRequest();
    }
    const int replacedKind = m_resultsRequest->isTransferring() ? m_resultsRequest->myReqType() : 0;
    startLoad(*m_resultsRequest, m_resultsReceiver, kind, url);
    if (replacedKind != 0 && replacedKind != kind) {
        announceResults(replacedKind, false);
    }
}

void QRMInfoAppDelegate::announceResults(int kind, bool stored) {
    if (kind == kMarketResultsKind) {
        Q_EMIT marketResultsLoaded(stored);
    } else if (kind == kCompanyResultsKind) {
        Q_EMIT companyResultsLoaded(stored);
    }
}

void QRMInfoAppDelegate::checkVersion() {
    net::MyUrlRequest& request = ensureMyUrlRequest();
    request.setMyReqType(kVersionCheckKind);
    request.setDelegate(this);
    request.ResquestLink(m_endpoints.versionCheck(version()));
}

void QRMInfoAppDelegate::fullUpdateArrived(std::optional<QByteArray> data) {
    m_mainViewController->stopNetwork();
    m_mainViewController->hideProgress();
    if (!data) {
        showConnectionError();
        m_mainViewController->stopUpdateIndicator();
        m_mainViewController->hideWaitText();
        m_mainViewController->setMenuEnabled(true);
        Q_EMIT fullUpdateFinished();
        return;
    }
    m_downloadText = QString::fromUtf8(*data);
    updateTimeLoop();
}

void QRMInfoAppDelegate::resultsArrived(std::optional<QByteArray> data) {
    const int kind = m_resultsRequest->myReqType();
    if (!data) {
        showConnectionError();
        announceResults(kind, false);
        return;
    }
    parse_EOD(QString::fromUtf8(*data), kind);
    announceResults(kind, true);
}

void QRMInfoAppDelegate::DidFinishRequest(std::optional<QByteArray> data) {
    if (!data) {
        showConnectionError();
        return;
    }
    const int kind = m_myUrlRequest ? m_myUrlRequest->myReqType() : 0;
    if (kind == kCategoryListKind) {
        Q_EMIT categoryListArrived(*data);
    }
    const QString text = QString::fromUtf8(*data);
    const net::Answer answer(text);
    if (answer.headerFieldCount() < 3) {
        return;
    }
    if (!answer.isSuccess()) {
        m_env.alerts->show(QString(), answer.headerText(3), {QStringLiteral("OK")});
        return;
    }
    if (kind == kVersionCheckKind) {
        applyVersionAnswer(text);
    }
}

void QRMInfoAppDelegate::applyVersionAnswer(const QString& text) {
    const net::Answer answer(text);
    for (const net::RecordView& record : answer.recordsWithFieldCount(2)) {
        if (record.field(0) == QLatin1String("Version")) {
            m_appLink = record.text(1);
            m_env.alerts->show(
                QString(), QStringLiteral("Có phiên bản mới tại %1. Cập nhật phiên bản mới?").arg(m_appLink),
                {QStringLiteral("NO"), QStringLiteral("YES")}, [this](int index) { alertButtonClicked(index); });
            return;
        }
    }
    m_mainViewController->confirmUpdate();
}

void QRMInfoAppDelegate::alertButtonClicked(int index) {
    if (index == 1) {
        if (m_env.platform.links) {
            m_env.platform.links->openLink(QUrl(m_appLink.trimmed()));
        }
        return;
    }
    m_mainViewController->confirmUpdate();
}

void QRMInfoAppDelegate::parse_EOD(const QString& text, int kind) {
    const net::Answer answer(text);
    if (!answer.isSuccess() || answer.records().empty()) {
        m_bRealTime = false;
        return;
    }
    core::applyTradingResults(*m_db, core::readEndOfDayRecords(answer), kind);
    m_bRealTime = false;
}

void QRMInfoAppDelegate::updateTimeLoop() {
    const net::Answer answer(m_downloadText);
    if (!answer.isSuccess()) {
        m_bRealTime = false;
        releaseMenu();
        Q_EMIT fullUpdateFinished();
        return;
    }
    const auto widen = [this](int day) {
        if (m_minday == 0 || day < m_minday) {
            m_minday = day;
        }
        if (day > m_maxday) {
            m_maxday = day;
        }
    };
    answer.forEachRecord(9, [&widen](const net::RecordView& record) { widen(record.intAt(8)); });
    answer.forEachRecord(17, [&widen](const net::RecordView& record) { widen(record.intAt(3)); });
    m_updating = true;
    m_mainViewController->setMenuEnabled(false);
    m_current_day_update = m_minday != 0 ? m_minday : 1;
    updateNextDay();
}

void QRMInfoAppDelegate::updateNextDay() {
    const double days = m_maxday - m_minday + 1;
    const double percent =
        m_current_day_update == m_minday ? 80.0 / days : (m_current_day_update - m_minday) * 100.0 / days;
    m_mainViewController->setWaitText(progressText(percent));
    const double delay = m_current_day_update == m_maxday + 1 ? kLastStepSeconds : kStepSeconds;
    m_timerUpdateEx = m_env.scheduler->singleShot(delay, [this] { updateNextDateData(); });
}

void QRMInfoAppDelegate::updateNextDateData() {
    if (m_current_day_update > m_maxday) {
        finishFullUpdate();
        return;
    }
    const net::Answer answer(m_downloadText);
    if (!answer.isSuccess() || answer.records().empty()) {
        m_bRealTime = false;
        m_current_day_update = m_maxday + 1;
        updateNextDay();
        return;
    }
    const bool firstStep = m_current_day_update == m_minday;
    const bool stored = core::applyEndOfDayDay(*m_db, core::readEndOfDayRecords(answer), m_current_day_update,
                                               firstStep, kFullUpdateKind);
    m_bRealTime = false;
    // A day the store could not take ends the update: storing the later days would move the
    // next update's first day past it, and it would never be asked for again.
    m_current_day_update = stored ? m_current_day_update + 1 : m_maxday + 1;
    updateNextDay();
}

void QRMInfoAppDelegate::finishFullUpdate() {
    m_downloadText.clear();
    m_updating = false;
    releaseMenu();
    Q_EMIT fullUpdateFinished();
}

void QRMInfoAppDelegate::releaseMenu() {
    m_mainViewController->setMenuEnabled(true);
    m_mainViewController->stopUpdateIndicator();
    m_mainViewController->hideWaitText();
}

} // namespace shell
