// The tour's pictures of what helps reading the market: the overview chart under the mouse, and
// the company list sorted by a heading and filtered by typed letters.
#include "app/Tour.h"
#include "company/CompanyInfoViewController.h"
#include "market/MarketInfoView.h"
#include "market/MarketInfoViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"
#include "ui/RowOrder.h"

namespace app {

namespace {

constexpr int kWaitMs = 15000;
constexpr int kWarningWaitMs = 3000;
/// The list's "%" column.
constexpr int kPercentColumn = 3;

} // namespace

QString Tour::walkInsight() {
    m_app.navigator().popToRoot(false);
    auto* overview = m_app.cachedScreen<market::MarketInfoViewController>();
    if (!openSection(QStringLiteral("btCKVN"), overview)) {
        return QStringLiteral("the market overview did not open");
    }
    if (!waitUntil([overview] { return !overview->isRequestOutstanding(); }, kWaitMs)) {
        return QStringLiteral("the market overview got no answer");
    }
    // Over the HoSE chart, about two thirds of the way through the session drawn.
    market::MarketInfoView* chart = overview->chartView();
    chart->hoverAt(QPointF(chart->width() * 0.62, chart->height() * 0.3));
    snap(QStringLiteral("market-overview-crosshair"));
    chart->endHover();

    overview->goCompanyInfoHoSE();
    auto* list = m_app.cachedScreen<company::CompanyInfoViewController>();
    if (!waitUntil([list] { return !list->companyList().isEmpty() && !list->isRequestOutstanding(); }, kWaitMs)) {
        return QStringLiteral("the HoSE company list stayed empty");
    }
    // The demo account's holding past its threshold brings the warnings up over the list again.
    if (waitUntil([this, list] { return m_app.navigator().topController() != list; }, kWarningWaitMs)) {
        m_app.navigator().pop(false);
    }
    // Falling percent first, among the banks: typed without their accents.
    list->order().sortBy(kPercentColumn);
    list->order().sortBy(kPercentColumn);
    list->order().setFilter(QStringLiteral("ngan"));
    snap(QStringLiteral("company-list-hose-sorted-filtered"));
    // Back to the list's own order, as the user leaves it for the next visit.
    list->order().sortBy(kPercentColumn);
    list->order().setFilter(QString());
    m_app.navigator().popToRoot(false);
    return {};
}

} // namespace app
