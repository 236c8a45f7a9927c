// End-of-day synchronisation: the full update applied one day per timer step, the two trading
// results loads, and the version check, all on the application object's own request.
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

// "Đang cập nhật...%2.0lf%%": the percentage rounded, at least two characters wide.
QString progressText(double percent) {
    return QStringLiteral("Đang cập nhật...%1%").arg(percent, 2, 'f', 0);
}

} // namespace

void QRMInfoAppDelegate::startLoad(int kind, const QString& url) {
    m_bRealTime = true;
    if (m_env.platform.keepAwake) {
        m_env.platform.keepAwake->setKeepAwake(true);
    }
    net::MyUrlRequest& request = ensureMyUrlRequest();
    request.setMyReqType(kind);
    request.setDelegate(this);
    request.ResquestLink(url);
}

void QRMInfoAppDelegate::load_EOD() {
    int lastDay = m_db->getLastDayUpdate();
    if (lastDay < m_currentDay - kStaleHistoryDays) {
        lastDay = 0;
    }
    startLoad(kFullUpdateKind, m_endpoints.endOfDay(lastDay));
}

void QRMInfoAppDelegate::load_EOD_KQGD(int day) {
    startLoad(kMarketResultsKind, m_endpoints.tradingResults(day));
}

void QRMInfoAppDelegate::load_EOD_KQGD_COM(int day) {
    startLoad(kCompanyResultsKind, m_endpoints.tradingResults(day));
}

void QRMInfoAppDelegate::checkVersion() {
    net::MyUrlRequest& request = ensureMyUrlRequest();
    request.setMyReqType(kVersionCheckKind);
    request.setDelegate(this);
    request.ResquestLink(m_endpoints.versionCheck(version()));
}

void QRMInfoAppDelegate::DidFinishRequest(std::optional<QByteArray> data) {
    const int kind = m_myUrlRequest ? m_myUrlRequest->myReqType() : 0;
    if (!data) {
        showConnectionError();
        if (kind == kFullUpdateKind) {
            m_mainViewController->stopNetwork();
            m_mainViewController->stopUpdateIndicator();
            m_mainViewController->hideWaitText();
            m_mainViewController->hideProgress();
            m_mainViewController->setMenuEnabled(true);
            Q_EMIT fullUpdateFinished();
        }
        if (kind == kMarketResultsKind) {
            Q_EMIT marketResultsLoaded(false);
        }
        if (kind == kCompanyResultsKind) {
            Q_EMIT companyResultsLoaded(false);
        }
        return;
    }
    m_downloadText = QString::fromUtf8(*data);
    switch (kind) {
    case kFullUpdateKind:
        m_mainViewController->stopNetwork();
        m_mainViewController->hideProgress();
        updateTimeLoop();
        return;
    case kMarketResultsKind:
        parse_EOD(m_downloadText);
        Q_EMIT marketResultsLoaded(true);
        return;
    case kCompanyResultsKind:
        parse_EOD(m_downloadText);
        Q_EMIT companyResultsLoaded(true);
        return;
    default:
        break;
    }
    if (kind == kCategoryListKind) {
        Q_EMIT categoryListArrived(*data);
    }
    const net::Answer answer(m_downloadText);
    if (answer.headerFieldCount() < 3) {
        return;
    }
    if (!answer.isSuccess()) {
        m_env.alerts->show(QString(), answer.headerText(3), {QStringLiteral("OK")});
        return;
    }
    if (kind == kVersionCheckKind) {
        applyVersionAnswer(m_downloadText);
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

void QRMInfoAppDelegate::parse_EOD(const QString& text) {
    const net::Answer answer(text);
    if (!answer.isSuccess() || answer.records().empty()) {
        m_bRealTime = false;
        return;
    }
    const int kind = m_myUrlRequest ? m_myUrlRequest->myReqType() : 0;
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
    const int kind = m_myUrlRequest ? m_myUrlRequest->myReqType() : 0;
    const bool firstStep = m_current_day_update == m_minday;
    core::applyEndOfDayDay(*m_db, core::readEndOfDayRecords(answer), m_current_day_update, firstStep, kind);
    m_bRealTime = false;
    m_current_day_update += 1;
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
