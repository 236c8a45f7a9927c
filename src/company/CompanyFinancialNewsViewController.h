#pragma once

#include "company/CompanyTabScreen.h"
#include "net/RequestDelegate.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLabel;
class QPushButton;

namespace net {
class MyUrlRequest;
}
namespace shell {
class ActivityIndicator;
class LiveRefresh;
} // namespace shell
namespace ui {
class HtmlView;
class PageIndicator;
} // namespace ui

namespace company {

/// The financial statements tab ("Taichinh") of a company: its ratios and latest price, and a
/// table of four statement figures for two reporting periods side by side, paged two periods at a
/// time from the newest. Everything shown comes from the store; the reload (and live mode) asks
/// the service and stores the answer.
class CompanyFinancialNewsViewController final : public CompanyTabScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyFinancialNewsViewController)

public:
    /// Kind tag of the tab's requests.
    static constexpr int kRequestKind = 1;
    static constexpr qsizetype kRatioFields = 10;
    static constexpr qsizetype kStatementFields = 8;

    explicit CompanyFinancialNewsViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyFinancialNewsViewController() override;

    /// The company shown. Another company starts again at its newest periods.
    void set_id(const QString& id);
    const QString& _id() const { return m_id; }

    /// What the host does when it lays the tab over itself: every label back to "-", then
    /// startLoad.
    void prepareToShow();
    void startLoad();
    void displayInfo();
    /// The refresh tick: asks the service.
    void targetMethod();
    /// Asks the service once, unless a request is under way; switches live mode off.
    void reloadFinanceData();
    void refreshFromService() override { reloadFinanceData(); }
    /// Switches live mode and starts again.
    void toggleAnimation();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    void parseAndSaveToDb(const QString& text);

    // ---- paging ----------------------------------------------------------------------------
    /// The next two older periods.
    void goFoward();
    /// The next two newer periods.
    void goPrev();
    /// The page indicator was moved: one step towards it.
    void pageChange();

    bool handleKey(int qtKey) override;
    void stopTimers() override;
    bool isRequestOutstanding() const;

    int postion() const { return m_postion; }
    int yearView() const { return m_yearView; }
    int quarterView() const { return m_quarterView; }
    const QStringList& financeList() const { return m_financeList; }
    const QStringList& financeDataList() const { return m_financeDataList; }
    /// The page last loaded into the web view.
    const QString& pageText() const { return m_pageText; }

    QLabel* lbStock();
    QLabel* stock();
    QLabel* stockPoint();
    QLabel* percent();
    QLabel* lbDate();
    QLabel* eps();
    QLabel* pe();
    QLabel* pb();
    QLabel* bv();
    QLabel* lbFold();
    ui::HtmlView* webView();
    ui::PageIndicator* pageCtrl();
    QPushButton* leftButton();
    QPushButton* rightButton();
    shell::LiveRefresh& liveRefresh() const { return *m_live; }

protected:
    QWidget* loadView() override;

private:
    void buildQuoteRow(QWidget* root);
    void buildRatioRow(QWidget* root);
    void buildStatementArea(QWidget* root);
    void resetLabels();
    void showRatios(const QString& row);
    void showStatements();
    void loadPage(const QString& page);
    void sendRequest();

    std::unique_ptr<shell::LiveRefresh> m_live;
    std::unique_ptr<net::MyUrlRequest> m_myUrlRequest;
    QString m_id;
    QStringList m_financeList;
    QStringList m_financeDataList;
    int m_postion = 0;
    int m_yearView = 0;
    int m_quarterView = 1;
    QString m_pageText;

    QLabel* m_lbStock = nullptr;
    QLabel* m_stock = nullptr;
    QLabel* m_stockPoint = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_eps = nullptr;
    QLabel* m_pe = nullptr;
    QLabel* m_pb = nullptr;
    QLabel* m_bv = nullptr;
    QLabel* m_lbFold = nullptr;
    ui::HtmlView* m_webView = nullptr;
    ui::PageIndicator* m_pageCtrl = nullptr;
    QPushButton* m_leftButton = nullptr;
    QPushButton* m_rightButton = nullptr;
    shell::ActivityIndicator* m_actNetwork = nullptr;
};

} // namespace company
