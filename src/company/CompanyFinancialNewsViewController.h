#pragma once

#include "company/CompanyFinanceLayout.h"
#include "company/CompanyTabScreen.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLabel;

namespace shell {
class LiveRefresh;
}

namespace company {

/// The financial statements tab ("Taichinh") of a company: its ratios and latest price, and a
/// table of four statement figures for two reporting periods side by side, paged two periods at a
/// time from the newest. Everything shown comes from the store; the reload (and live mode) asks
/// the service and stores the answer.
class CompanyFinancialNewsViewController final : public CompanyTabScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyFinancialNewsViewController)

public:
    static constexpr qsizetype kRatioFields = 10;
    static constexpr qsizetype kStatementFields = 8;

    explicit CompanyFinancialNewsViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyFinancialNewsViewController() override;

    /// The company shown. Another company starts again at its newest periods.
    void set_id(const QString& id);
    const QString& _id() const { return m_id; }

    /// What the host does when it lays the tab over itself: startLoad (which starts from "-" in
    /// every label); with nothing stored for the company, one request.
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

    /// Left brings the older periods, Right the newer ones, L switches live mode.
    bool handleKey(int qtKey) override;
    void stopTimers() override;

    int postion() const { return m_postion; }
    int yearView() const { return m_yearView; }
    int quarterView() const { return m_quarterView; }
    const QStringList& financeList() const { return m_financeList; }
    const QStringList& financeDataList() const { return m_financeDataList; }
    /// The page last loaded into the web view.
    const QString& pageText() const { return m_pageText; }

    const CompanyFinanceLayout& layout();
    /// The date of the ratios, on the right of the tab bar.
    QLabel* lbDate();
    shell::LiveRefresh& liveRefresh() const { return *m_live; }

protected:
    QWidget* loadView() override;

private:
    void connectControls();
    void resetLabels();
    void showRatios(const QString& row);
    void showStatements();
    void loadPage(const QString& page);
    void sendRequest();

    std::unique_ptr<shell::LiveRefresh> m_live;
    CompanyFinanceLayout m_layout;
    QString m_id;
    QStringList m_financeList;
    QStringList m_financeDataList;
    int m_postion = 0;
    int m_yearView = 0;
    int m_quarterView = 1;
    QString m_pageText;
};

} // namespace company
