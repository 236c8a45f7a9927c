#include "portfolio/PortfolioScreen.h"

#include "company/CompanyListQuotes.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "core/PortfolioAnswer.h"
#include "net/AnswerReader.h"
#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenMenu.h"
#include "shell/ScreenStyle.h"
#include "shell/StockActions.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/RowOrder.h"
#include "ui/RowTable.h"
#include "ui/SwipeWatcher.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace portfolio {

namespace {

constexpr int kTableTop = 78;
constexpr int kTableHeight = 184;
constexpr int kMenuRowHeight = 30;
const QString kChooseStock = QStringLiteral("Xin chọn cổ phiếu!");

QStringList actionRows() {
    return {QStringLiteral("Danh mục"), QStringLiteral("Xóa khỏi danh mục"), QStringLiteral("Sửa danh mục"),
            QStringLiteral("Theo dõi CK"), QStringLiteral("+Theo dõi CK")};
}

// The buttons that switch between the five screens, by screen number.
struct ScreenButton {
    const char* objectName;
    const char16_t* caption;
};
constexpr std::array<ScreenButton, 5> kScreenButtons{{{"btTT", u"Thị trường"},
                                                      {"btGiamua", u"Giá mua"},
                                                      {"btGia", u"Giá"},
                                                      {"btLoinhuan", u"Lợi nhuận"},
                                                      {"btCanhbao", u"Cảnh báo"}}};

} // namespace

PortfolioScreen::PortfolioScreen(shell::QRMInfoAppDelegate& appDelegate, int screen, const QString& heading,
                                 const HoldingColumns& columns)
    : BarScreen(appDelegate, heading)
    , m_screen(screen)
    , m_columns(columns)
    , m_source(m_model, columns, &appDelegate.palette())
    , m_order(std::make_unique<ui::RowOrder>(m_source, m_source))
    , m_request(appDelegate, *this) {}

PortfolioScreen::~PortfolioScreen() = default;

// ---- layout ----------------------------------------------------------------------------------

void PortfolioScreen::buildContent(QWidget* root) {
    auto* indicator = new shell::ActivityIndicator(appDelegate().scheduler(), root);
    indicator->setGeometry(296, 9, 18, 18);
    m_request.setIndicator(indicator);
    buildDayBar(root);
    buildTable(root);
    m_lbUser = shell::makeLabel(root, QString(), QRect(6, 264, 240, 20), 12, true);
    m_order->placeFilterLabel(root, QRect(246, 264, 232, 20), QStringLiteral("mã"));
    buildBottomBar(root);
    m_tbMenu = new shell::ScreenMenu(root, kMenuRowHeight);
    connect(m_tbMenu, &shell::ScreenMenu::rowChosen, this, &PortfolioScreen::menuContextCallBack);
}

void PortfolioScreen::buildDayBar(QWidget* root) {
    m_lbDanhmuc = shell::makeLabel(root, QString(), QRect(4, 36, 240, 20), 12, true);
    QPushButton* earlier = shell::makeBarButton(root, QStringLiteral("◀"), QRect(262, 36, 34, 20));
    earlier->setToolTip(QStringLiteral("Ngày trước"));
    connect(earlier, &QPushButton::clicked, this, &PortfolioScreen::goNext);
    m_lbDate = shell::makeLabel(root, QString(), QRect(298, 36, 138, 20), 12);
    m_lbDate->setAlignment(Qt::AlignCenter);
    QPushButton* later = shell::makeBarButton(root, QStringLiteral("▶"), QRect(438, 36, 34, 20));
    later->setToolTip(QStringLiteral("Ngày sau"));
    connect(later, &QPushButton::clicked, this, &PortfolioScreen::goPrev);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const HoldingColumn& column = m_columns.at(i);
        QLabel* heading = shell::makeLabel(root, QString::fromUtf16(column.heading),
                                           QRect(column.frame.x(), 58, column.frame.width(), 18), 11, true);
        heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shell::setTextColor(heading, QColor(0x9f, 0xb4, 0xd0));
        m_order->addHeading(heading, int(i));
    }
}

void PortfolioScreen::buildTable(QWidget* root) {
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_order->attach(m_tbView);
    m_order->setOpenRow([this](int row) { goComDetail(row); });
    // The keyboard chooses a row quietly: the action menu stays for a tap.
    m_order->setChooseRow([this](int row) { m_selectedRow = row; });
    ui::repaintOnChange(appDelegate().palette(), m_tbView->viewport());
    // Swipes page the day; the finger moving right shows the earlier day.
    new ui::SwipeWatcher(
        m_tbView->viewport(),
        [this] {
            m_swiped = true;
            goPrev();
        },
        [this] {
            m_swiped = true;
            goNext();
        });
    m_tbView->viewport()->installEventFilter(this);
    m_tbView->setDetailFrom(HoldingsSource::kDetailFrame.x());
    // The table counts its rows as shown; the screen's row protocol counts the model's.
    connect(m_tbView, &ui::RowTable::rowSelected, this, [this](int row) {
        if (!m_swiped) {
            selectRow(m_order->sourceRow(row));
        }
    });
    connect(m_tbView, &ui::RowTable::detailRequested, this, [this](int row) {
        if (!m_swiped) {
            goComDetail(m_order->sourceRow(row));
        }
    });
    connect(m_tbView, &ui::RowTable::deleteRequested, this, [this](int row) {
        if (const HoldingRow* holding = m_model.row(m_order->sourceRow(row))) {
            requestDeleteStock(holding->holdingId);
        }
    });
    connect(m_tbView, &ui::RowTable::moveRequested, this, [this](int row) { editHolding(m_order->sourceRow(row)); });
}

// Each screen button is as wide as its caption needs; the screen's own tools share what is left.
void PortfolioScreen::buildBottomBar(QWidget* root) {
    shell::ButtonRow row(root, 288, 10.5);
    for (std::size_t i = 0; i < kScreenButtons.size(); ++i) {
        const int number = int(i) + 1;
        QPushButton* button = row.addFitting(QString::fromUtf16(kScreenButtons[i].caption));
        button->setObjectName(QLatin1String(kScreenButtons[i].objectName));
        button->setEnabled(number != m_screen);
        connectNavigation(button, [this, number] {
            auto* directory = appDelegate().cachedScreen<DirectoryMenuViewController>();
            directory->setPId(m_pId);
            directory->setPName(m_pName);
            directory->gotoScreen(number);
        });
    }
    if (m_screen != 1) {
        connect(row.add(QStringLiteral("Cập nhật"), row.room()), &QPushButton::clicked, this,
                &PortfolioScreen::confirmUpdate);
        return;
    }
    const int half = (row.room() - 4) / 2;
    connect(row.add(QStringLiteral("Tải lại"), half), &QPushButton::clicked, this, &PortfolioScreen::reload);
    m_btEdit = row.add(QStringLiteral("Sửa bảng"), row.room());
    connect(m_btEdit, &QPushButton::clicked, this, &PortfolioScreen::toggleEdit);
}

// A press starts a new touch, which has not swiped yet.
bool PortfolioScreen::eventFilter(QObject* watched, QEvent* event) {
    if (m_tbView && watched == m_tbView->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_swiped = false;
    }
    return BarScreen::eventFilter(watched, event);
}

// ---- appearance ------------------------------------------------------------------------------

void PortfolioScreen::setCategory(const QString& id, const QString& name) {
    m_pId = id;
    m_pName = name;
}

void PortfolioScreen::viewWillAppear(bool /*animated*/) {
    view();
    m_lbUser->setText(appDelegate().userLabelText());
    m_lbDanhmuc->setText(m_pName.isEmpty() ? QString() : QStringLiteral(" %1").arg(m_pName));
    m_infoDay = appDelegate().currentDay();
    // The names a typed filter looks in change only with a full update: read once a visit, not at
    // every refresh.
    m_source.setNames(appDelegate().db()->getCompanyNames());
    loadData();
}

bool PortfolioScreen::handleKey(int qtKey) {
    if (m_order->handleKey(qtKey)) {
        return true;
    }
    if (qtKey == Qt::Key_Left) {
        goNext();
        return true;
    }
    if (qtKey == Qt::Key_Right) {
        goPrev();
        return true;
    }
    return BarScreen::handleKey(qtKey);
}

bool PortfolioScreen::handleTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    return m_order->handleTyping(text, modifiers);
}

void PortfolioScreen::reloadScreen() {
    if (m_screen == 1) {
        reload();
    } else {
        confirmUpdate();
    }
}

// ---- data ------------------------------------------------------------------------------------

// New rows: no row stays chosen and the action menu closes.
void PortfolioScreen::loadData() {
    view();
    m_selectedRow = -1;
    m_tbView->selectRow(-1);
    m_tbMenu->hide();
    m_model.load(*appDelegate().db(), m_pId, m_infoDay);
    reloadTable();
    if (m_model.quoteDay() != 0) {
        m_infoDay = m_model.quoteDay();
        m_lbDate->setText(appDelegate().dateFromDay(m_infoDay));
    }
}

void PortfolioScreen::reloadTable() {
    m_order->reload();
}

void PortfolioScreen::goNext() {
    const int day = appDelegate().db()->getNextDayPortfolio(m_infoDay);
    if (day != 0) {
        m_infoDay = day;
        loadData();
    }
}

void PortfolioScreen::goPrev() {
    const int day = appDelegate().db()->getPreDayPortfolio(m_infoDay);
    if (day != 0) {
        m_infoDay = day;
        loadData();
    }
}

// ---- requests --------------------------------------------------------------------------------

void PortfolioScreen::confirmUpdate() {
    ask(QStringLiteral("UPDATE"), QStringLiteral("Cập nhật danh sách danh mục!"));
}

void PortfolioScreen::reload() {
    if (isRequestOutstanding()) {
        return;
    }
    m_request.send(kQuotesRequest, appDelegate().endpoints().holdings(m_pId));
}

void PortfolioScreen::confirmDeleteCK() {
    if (const HoldingRow* holding = selectedHolding()) {
        ask(QStringLiteral("DELETE"), QStringLiteral("Xóa mã CK %1 khỏi danh mục?").arg(holding->code));
    }
}

void PortfolioScreen::deleteCK() {
    if (const HoldingRow* holding = selectedHolding()) {
        requestDeleteStock(holding->holdingId);
    }
}

void PortfolioScreen::requestDeleteStock(const QString& holdingId) {
    m_portfoliodataId = holdingId;
    m_request.send(kDeleteRequest, appDelegate().endpoints().deleteHolding(holdingId));
}

bool PortfolioScreen::isRequestOutstanding() const {
    return m_request.isOutstanding();
}

void PortfolioScreen::DidFinishRequest(std::optional<QByteArray> data) {
    const int kind = m_request.finish();
    m_tbView->selectRow(-1);
    m_selectedRow = -1;
    if (!data) {
        appDelegate().showConnectionError();
        return;
    }
    if (kind == kDeleteRequest) {
        processDelStock(*data);
    } else if (kind == kQuotesRequest) {
        processGetStock(*data);
    }
}

// A refusal without its message still says the holding stayed.
void PortfolioScreen::processDelStock(const QByteArray& data) {
    const net::Answer answer = net::readAnswer(data);
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(core::refusalText(answer, QStringLiteral("Không xóa được mã CK khỏi danh mục!")));
        reloadTable();
        return;
    }
    appDelegate().db()->removePorfilioData(m_portfoliodataId);
    loadData();
}

void PortfolioScreen::processGetStock(const QByteArray& data) {
    const net::Answer answer = net::readAnswer(data);
    if (answer.headerFieldCount() < 2) {
        return;
    }
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(core::refusalText(answer, QStringLiteral("Không cập nhật được dữ liệu!")));
        return;
    }
    company::storeCompanyQuotes(*appDelegate().db(), answer);
    loadData();
}

// ---- actions ---------------------------------------------------------------------------------

void PortfolioScreen::ask(const QString& type, const QString& question) {
    m_alertType = type;
    appDelegate().alerts().ask(question, [this](int index) { alertButtonClicked(index); });
}

void PortfolioScreen::alertButtonClicked(int index) {
    if (index != 1) {
        return;
    }
    if (m_alertType == QLatin1String("UPDATE")) {
        m_request.send(kQuotesRequest, appDelegate().endpoints().holdings(m_pId));
    } else if (m_alertType == QLatin1String("DELETE")) {
        deleteCK();
    }
}

void PortfolioScreen::selectRow(int row) {
    m_selectedRow = m_model.row(row) ? row : -1;
    if (m_tbMenu->isShowing()) {
        m_tbMenu->hide();
        return;
    }
    const QStringList rows = actionRows();
    m_tbMenu->showRows(rows, QRect(150, 110, 200, kMenuRowHeight * int(rows.size()) + 2));
}

const HoldingRow* PortfolioScreen::selectedHolding() const {
    return m_model.row(m_selectedRow);
}

void PortfolioScreen::goMenu() {
    m_tbMenu->hide();
    appDelegate().menu()->showOver(this, QStringLiteral("PORTDATASCREEN"), view());
}

void PortfolioScreen::menuContextCallBack(int item) {
    shell::MainViewController& main = *appDelegate().mainViewController();
    if (item == 0) {
        main.openSectionFromRoot(QStringLiteral("btDanhmuc"));
        return;
    }
    if (item == 3) {
        main.openSectionFromRoot(QStringLiteral("btTheodoi"));
        return;
    }
    const HoldingRow* holding = selectedHolding();
    if (!holding) {
        appDelegate().alerts().tell(kChooseStock);
        return;
    }
    if (item == 1) {
        confirmDeleteCK();
    } else if (item == 2) {
        editHolding(m_selectedRow);
    } else if (item == 4) {
        shell::askAddToWatchList(appDelegate(), holding->code);
    }
}

// The context menu's category list: the chosen category is shown here, and becomes the category
// list's choice too.
void PortfolioScreen::subMenuContextCallBack(int row) {
    const shell::ContextMenuViewController* menu = appDelegate().menu();
    if (row < 0 || row >= menu->dirListId().size()) {
        return;
    }
    const QString id = menu->dirListId().at(row);
    const QString name = menu->dirListName().at(row);
    auto* directory = appDelegate().cachedScreen<DirectoryMenuViewController>();
    directory->setPId(id);
    directory->setPName(name);
    setCategory(id, name);
    m_lbDanhmuc->setText(QStringLiteral(" %1").arg(name));
    loadData();
}

void PortfolioScreen::editHolding(int row) {
    const HoldingRow* holding = m_model.row(row);
    if (!holding) {
        return;
    }
    auto form = std::make_unique<AddToDirectoryViewController>(appDelegate());
    form->setHolding({holding->companyId, holding->code, m_pId, holding->holdingId, holding->price, holding->quantity,
                      holding->up, holding->down, holding->fee},
                     true);
    m_portfoliodataId = holding->holdingId;
    appDelegate().pushTransient(std::move(form), true);
}

void PortfolioScreen::goComDetail(int row) {
    const HoldingRow* holding = m_model.row(row);
    if (!holding) {
        return;
    }
    auto* detail = appDelegate().cachedScreen<company::CompanyRealTimeViewcontroller>();
    detail->setCode(holding->code);
    detail->set_id(appDelegate().db()->getIdFromCode(holding->code));
    appDelegate().navigator().push(detail, true);
}

void PortfolioScreen::toggleEdit() {
    view();
    m_tbMenu->hide();
    m_tbView->setEditing(!m_tbView->isEditing());
    if (m_btEdit) {
        m_btEdit->setText(m_tbView->isEditing() ? QStringLiteral("Xong") : QStringLiteral("Sửa bảng"));
    }
    reloadTable();
}

} // namespace portfolio
