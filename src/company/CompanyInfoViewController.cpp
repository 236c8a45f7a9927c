#include "company/CompanyInfoViewController.h"

#include "company/CompanyChooseViewController.h"
#include "company/CompanyListQuotes.h"
#include "company/CompanyListSource.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "company/DirectoryWarningViewController.h"
#include "net/AnswerReader.h"
#include "net/MyUrlRequest.h"
#include "shell/ActivityIndicator.h"
#include "shell/LiveBar.h"
#include "shell/LiveRefresh.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Fonts.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace company {

namespace {

constexpr int kWarningFields = 5;
constexpr int kTableTop = 50;
constexpr int kTableHeight = 214;

// Only the live list is today's; a list of an earlier day never asks on its own.
shell::LiveRefresh::Options refreshOptions(shell::QRMInfoAppDelegate& app, CompanyInfoViewController& screen) {
    shell::LiveRefresh::Options options;
    options.holdsCurrentDay = [&app, &screen] {
        const std::vector<CompanyListRow>& rows = screen.source().rows();
        return !screen.isRealtime() || std::any_of(rows.begin(), rows.end(), [&app](const CompanyListRow& row) {
            return row.day == app.currentDay();
        });
    };
    return options;
}

} // namespace

CompanyInfoViewController::CompanyInfoViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate)
    , m_live(std::make_unique<shell::LiveRefresh>(
          appDelegate, *this, [this] { targetMethod(); }, refreshOptions(appDelegate, *this)))
    , m_source(std::make_unique<CompanyListSource>()) {}

CompanyInfoViewController::~CompanyInfoViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

QWidget* CompanyInfoViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    buildTopBar(root);
    buildHeading(root);
    buildTable(root);
    buildBottomBar(root);
    m_lbUser = shell::makeLabel(root, QString(), QRect(6, 266, 300, 20), 13);
    return root;
}

void CompanyInfoViewController::buildTopBar(QWidget* root) {
    const shell::LiveBar bar = shell::buildLiveBar(root, m_delegate.scheduler(), *m_live, QString());
    m_btGoBack = bar.back;
    connectNavigation(m_btGoBack, [this] { goBack(); });
    m_releadBt = bar.live;
    connect(m_releadBt, &QPushButton::clicked, this, &CompanyInfoViewController::toggleAnimation);
    m_actNetwork = bar.activity;
    // The exchange's name in place of a title, and room for the long date of the list.
    m_lbStock = bar.heading;
    m_lbStock->setGeometry(146, 3, 70, 24);
    m_lbStock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbStock->setStyleSheet(QStringLiteral("color: #ffd54a; background: transparent;"));
    m_lbDate = bar.date;
    m_lbDate->setGeometry(220, 3, 190, 24);
    m_lbDate->setFont(ui::systemFont(13));
    // The context menu of this screen only holds category and watch-list items.
    m_btMenu = bar.menu;
    m_btMenu->setEnabled(false);
}

void CompanyInfoViewController::buildHeading(QWidget* root) {
    const auto heading = [root](const QString& text, const QRect& frame, Qt::Alignment alignment) {
        QLabel* label = shell::makeLabel(root, text, frame.translated(0, 30 - frame.y()), 12, true);
        label->setStyleSheet(QStringLiteral("color: #9fb4d0; background: transparent;"));
        label->setAlignment(alignment | Qt::AlignVCenter);
    };
    const Qt::Alignment right = Qt::AlignRight;
    heading(QStringLiteral("Mã"), CompanyListSource::kCodeFrame, Qt::AlignLeft);
    heading(QStringLiteral("Giá"), CompanyListSource::kPriceFrame, right);
    heading(QStringLiteral("+/-"), CompanyListSource::kChangeFrame, right);
    heading(QStringLiteral("%"), CompanyListSource::kPercentFrame, right);
    heading(QStringLiteral("KL"), CompanyListSource::kVolumeFrame, right);
}

void CompanyInfoViewController::buildTable(QWidget* root) {
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_tbView->setSource(m_source.get());
    m_tbView->viewport()->installEventFilter(this);
    connect(m_tbView, &ui::RowTable::rowSelected, this, &CompanyInfoViewController::rowSelected);
}

void CompanyInfoViewController::buildBottomBar(QWidget* root) {
    constexpr int kTop = 290;
    constexpr int kWidth = 64;
    constexpr int kStep = 68;
    int x = 4;
    const auto next = [&x, root](const QString& caption) {
        QPushButton* button = shell::makeBarButton(root, caption, QRect(x, kTop, kWidth, 26));
        // Seven buttons share the bar: a smaller face keeps every caption whole.
        button->setFont(ui::systemFont(10.5, true));
        x += kStep;
        return button;
    };
    m_btHome = next(QStringLiteral("Trang chủ"));
    connectNavigation(m_btHome, [this] { goHome(); });
    m_btReload = next(QStringLiteral("Tải lại"));
    connect(m_btReload, &QPushButton::clicked, this, &CompanyInfoViewController::reloadData);
    m_btChoose = next(QStringLiteral("Chọn mã"));
    connectNavigation(m_btChoose, [this] { viewChooseCompany(); });
    // Categories and the watch list come later: their controls wait, disabled.
    m_btDanhmuc = next(QStringLiteral("Danh mục"));
    m_btCongDm = next(QStringLiteral("+ DM"));
    m_btTD = next(QStringLiteral("Theo dõi"));
    m_btThemTD = next(QStringLiteral("+ TD"));
    for (QPushButton* button : categoryButtons()) {
        button->setEnabled(false);
    }
}

QList<QPushButton*> CompanyInfoViewController::categoryButtons() const {
    return {m_btDanhmuc, m_btCongDm, m_btTD, m_btThemTD, m_btMenu};
}

void CompanyInfoViewController::viewDidLoad() {
    m_stockCode.clear();
    m_delegate.setBRealTime(false);
}

// ---- appearance ------------------------------------------------------------------------------

void CompanyInfoViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_tbView->selectRow(-1);
    m_lbDate->setText(m_delegate.dateFromDay(m_infoDay));
    refreshUserLabel();
    m_delegate.setBRealTime(false);
    m_lbStock->setText(m_marketStockId == kHNX ? QStringLiteral("HNX") : QStringLiteral("HoSE"));
    m_iWarningCount = 1;
    loadData();
}

void CompanyInfoViewController::viewWillDisappear(bool /*animated*/) {
    m_live->stop();
    m_delegate.setBRealTime(false);
}

void CompanyInfoViewController::refreshUserLabel() {
    m_lbUser->setFont(ui::systemFont(13));
    m_lbUser->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lbUser->setText(m_delegate.userLabelText());
}

bool CompanyInfoViewController::handleKey(int qtKey) {
    if (qtKey == Qt::Key_L) {
        toggleAnimation();
        return true;
    }
    return ui::ViewController::handleKey(qtKey);
}

void CompanyInfoViewController::reloadScreen() {
    reloadData();
}

// ---- data ------------------------------------------------------------------------------------

void CompanyInfoViewController::loadData() {
    view();
    m_companyList.clear();
    readCompanyList();
    reloadTable();
    if (!m_isRealtime) {
        return;
    }
    if (!m_delegate.bRealTime()) {
        m_live->stop();
        return;
    }
    animationLoop();
    initTimer();
}

// Live: the latest stored day; otherwise the latest stored trading day not after infoDay, or
// the latest day when there is none.
void CompanyInfoViewController::readCompanyList() {
    myDb& db = *m_delegate.db();
    if (m_isRealtime) {
        m_companyList = db.getCompanydata(m_marketStockId);
        return;
    }
    m_companyList = db.getCompanydataWithDay(m_marketStockId, m_infoDay);
    if (m_companyList.isEmpty()) {
        m_companyList = db.getCompanydata(m_marketStockId);
    }
}

void CompanyInfoViewController::reloadTable() {
    m_source->setRowTexts(m_companyList);
    m_tbView->reload();
    updateDateLabel();
}

// Each row updates the date label as it is built: live rows of today show the time of the
// latest quote seen so far, others their day. Building all rows at once leaves the last word.
void CompanyInfoViewController::updateDateLabel() {
    int latestMinute = 0;
    for (const CompanyListRow& row : m_source->rows()) {
        m_lbDate->setFont(ui::systemFont(13));
        if (row.day == m_delegate.currentDay() && m_isRealtime) {
            latestMinute = std::max(latestMinute, row.minute);
            m_lbDate->setText(m_delegate.timeFromLastUpdate(latestMinute));
        } else {
            m_lbDate->setText(m_delegate.dateFromDay(row.day));
        }
    }
}

void CompanyInfoViewController::initTimer() {
    m_live->startRefresh();
    sendQuoteRequest();
}

void CompanyInfoViewController::targetMethod() {
    if (!m_delegate.bRealTime()) {
        return;
    }
    sendQuoteRequest();
}

// The overview's revision is reset too: a full reload asks for everything again.
void CompanyInfoViewController::reloadData() {
    m_delegate.setILastRevision(0);
    m_iWarningCount = 1;
    sendQuoteRequest();
}

void CompanyInfoViewController::toggleAnimation() {
    m_delegate.setBRealTime(!m_delegate.bRealTime());
    m_isRealtime = m_delegate.bRealTime();
    m_live->stopAnimation();
    loadData();
}

void CompanyInfoViewController::animationLoop() {
    m_live->animationLoop();
}

void CompanyInfoViewController::changeImages() {
    m_live->changeImages();
}

void CompanyInfoViewController::ensureRequest() {
    if (!m_myUrlRequest) {
        m_myUrlRequest = m_delegate.makeRequest();
        m_myUrlRequest->setDelegate(this);
    }
}

void CompanyInfoViewController::sendQuoteRequest() {
    view();
    ensureRequest();
    m_myUrlRequest->setMyReqType(kQuoteRequest);
    m_myUrlRequest->ResquestLink(m_delegate.endpoints().companyList(m_marketStockId, m_delegate.iLastRevision()));
    m_actNetwork->startAnimating();
}

void CompanyInfoViewController::stopIndicator() {
    if (m_actNetwork) {
        m_actNetwork->stopAnimating();
    }
}

bool CompanyInfoViewController::isRequestOutstanding() const {
    return m_actNetwork && m_actNetwork->isAnimating();
}

void CompanyInfoViewController::DidFinishRequest(std::optional<QByteArray> data) {
    view();
    stopIndicator();
    if (!data) {
        // A failed transfer shows what is stored, without an alert.
        m_companyList = m_delegate.db()->getCompanydata(m_marketStockId);
        reloadTable();
        return;
    }
    const int kind = m_myUrlRequest ? m_myUrlRequest->myReqType() : kQuoteRequest;
    if (kind == kWarningRequest) {
        parse_data_warning(*data);
        return;
    }
    if (kind != kQuoteRequest) {
        return;
    }
    parse_data(QString::fromUtf8(*data));
    readCompanyList();
    reloadTable();
    ++m_iWarningCount;
    if (m_iWarningCount > 1) {
        getWarning();
        m_iWarningCount = 0;
    }
}

void CompanyInfoViewController::switchLiveOff() {
    m_delegate.setBRealTime(false);
    m_live->stopAnimation();
}

void CompanyInfoViewController::parse_data(const QString& text) {
    view();
    const net::Answer answer(text);
    if (answer.headerFieldCount() < 2) {
        return;
    }
    if (answer.status() != 0) {
        // The refresh timer stays armed; its ticks do nothing while live mode is off.
        switchLiveOff();
        m_delegate.alerts().show(QString(), answer.headerText(2), {QStringLiteral("OK")});
        return;
    }
    m_lbDate->setFont(ui::systemFont(13));
    m_lbDate->setText(m_delegate.dateFromDay(net::leadingInt(answer.headerField(2))));
    storeCompanyQuotes(*m_delegate.db(), answer);
}

void CompanyInfoViewController::getWarning() {
    m_dirListName.clear();
    m_dirListId.clear();
    m_delegate.db()->getDirList(m_dirListName, m_dirListId);
    if (m_dirListId.isEmpty()) {
        return;
    }
    ensureRequest();
    m_myUrlRequest->setMyReqType(kWarningRequest);
    if (!m_delegate.isAuthenticated()) {
        return;
    }
    m_myUrlRequest->ResquestLink(m_delegate.endpoints().priceWarnings(m_dirListId.join(u',')));
}

void CompanyInfoViewController::parse_data_warning(const QByteArray& data) {
    const net::Answer answer = net::readAnswer(data);
    if (answer.headerFieldCount() < 2) {
        return;
    }
    if (answer.status() != 0) {
        switchLiveOff();
        if (m_delegate.navigator().topController() == this) {
            m_delegate.alerts().show(QString(), answer.headerText(2), {QStringLiteral("OK")});
        }
        return;
    }
    const auto records = answer.allRecords();
    const bool warned = std::any_of(records.begin(), records.end(),
                                    [](const net::RecordView& record) { return record.size() == kWarningFields; });
    // A late answer finds the user elsewhere: the warnings wait for the next check on the list.
    if (!warned || m_delegate.navigator().topController() != this) {
        return;
    }
    dropClosedWarningScreens();
    auto screen = std::make_unique<DirectoryWarningViewController>(m_delegate);
    screen->setData(data);
    m_delegate.navigator().push(screen.get(), false);
    m_warningScreens.push_back(std::move(screen));
}

// A warning screen lives while it is on the navigation stack; the closed ones go when the next
// one opens.
void CompanyInfoViewController::dropClosedWarningScreens() {
    const QList<ui::ViewController*> stack = m_delegate.navigator().viewControllers();
    std::erase_if(m_warningScreens, [&stack](const std::unique_ptr<DirectoryWarningViewController>& screen) {
        return !stack.contains(screen.get());
    });
}

DirectoryWarningViewController* CompanyInfoViewController::warningScreen() const {
    return m_warningScreens.empty() ? nullptr : m_warningScreens.back().get();
}

// ---- navigation ------------------------------------------------------------------------------

void CompanyInfoViewController::rowSelected(int row) {
    if (const CompanyListRow* item = m_source->row(row)) {
        m_stockCode = item->code;
    }
}

// A tap on the disclosure picture at the end of a row opens the company.
bool CompanyInfoViewController::eventFilter(QObject* watched, QEvent* event) {
    if (m_tbView && watched == m_tbView->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
        const int row = m_tbView->indexAt(point).row();
        if (row >= 0 && point.x() >= CompanyListSource::kDetailFrame.x()) {
            goComDetail(row);
            return true;
        }
    }
    return ui::ViewController::eventFilter(watched, event);
}

void CompanyInfoViewController::goComDetail(int row) {
    const CompanyListRow* item = m_source->row(row);
    if (!item) {
        return;
    }
    m_stockCode = item->code;
    auto* detail = m_delegate.cachedScreen<CompanyRealTimeViewcontroller>();
    detail->setCode(m_stockCode);
    detail->set_id(m_delegate.db()->getIdFromCode(m_stockCode));
    m_delegate.navigator().push(detail, true);
    if (!m_isRealtime) {
        // A past day is listed: its trading results are what the user came for.
        detail->goKQGD();
    }
}

void CompanyInfoViewController::viewChooseCompany() {
    auto* choose = m_delegate.cachedScreen<CompanyChooseViewController>();
    choose->setMarketStockId(m_marketStockId);
    m_delegate.navigator().push(choose, true);
}

void CompanyInfoViewController::goHome() {
    m_delegate.navigator().popToRoot(true);
}

void CompanyInfoViewController::goBack() {
    m_delegate.navigator().pop(true);
}

} // namespace company
