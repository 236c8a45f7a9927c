#pragma once

#include "ui/ViewController.h"

#include <QString>

class QLabel;
class QPushButton;

namespace shell {
class QRMInfoAppDelegate;
}

namespace market {

class MarketHistoryLabel;
class MarketHistoryView;

/// The market history: one earlier trading day of both exchanges, read from the overview's
/// stored answers of that day. The labels show the last minute read and its change, the white
/// chart every minute; the user steps from day to day. The screen asks the service for nothing.
class MarketHistoryViewController final : public ui::ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketHistoryViewController)

public:
    explicit MarketHistoryViewController(shell::QRMInfoAppDelegate& delegate);
    ~MarketHistoryViewController() override;

    /// Shows the application's history day: labels from its stored answers, then a redraw.
    void loadData();
    /// Reads one stored answer into the chart's ranges and the labels.
    void parseMarKetInfo(const QString& text);
    /// Called by the chart at each redraw: sets the scales and draws the day's stored answers.
    void parseForDraw();
    /// Draws the minutes of one stored answer.
    void ParseText(const QString& text);

    /// One day later; past the day before today the screen closes.
    void goLeft();
    /// One day earlier, without a lower bound.
    void goRight();
    /// Back one screen.
    void goHome();
    /// The company list; it does nothing until the company screens exist.
    void goCompanyInfo();

    void viewWillAppear(bool animated) override;
    /// Left and Right step the day (Right is the later day); Escape goes back.
    bool handleKey(int qtKey) override;
    void reloadScreen() override;

    double tmpHoPointVal() const { return m_tmpHoPointVal; }
    double tmpHaPointVal() const { return m_tmpHaPointVal; }

    // ---- the screen's parts (loaded with the view) --------------------------------------------
    MarketHistoryView* chartView() { return &chart(); }
    MarketHistoryLabel* hosePoint() const { return m_hose.point; }
    MarketHistoryLabel* hosePercent() const { return m_hose.percent; }
    MarketHistoryLabel* hoseTotalQuantity() const { return m_hose.totalQuantity; }
    MarketHistoryLabel* hoseTotalValue() const { return m_hose.totalValue; }
    MarketHistoryLabel* haSTCPoint() const { return m_haSTC.point; }
    MarketHistoryLabel* haSTCPercent() const { return m_haSTC.percent; }
    MarketHistoryLabel* haSTCTotalQuantity() const { return m_haSTC.totalQuantity; }
    MarketHistoryLabel* haSTCTotalValue() const { return m_haSTC.totalValue; }
    QLabel* lbDate() const { return m_lbDate; }
    QPushButton* leftButton() const { return m_leftButton; }
    QPushButton* rightButton() const { return m_rightButton; }
    QPushButton* companyButton() const { return m_companyButton; }

protected:
    QWidget* loadView() override;

private:
    /// The four labels of one exchange.
    struct ExchangeLabels {
        MarketHistoryLabel* point = nullptr;
        MarketHistoryLabel* percent = nullptr;
        MarketHistoryLabel* totalQuantity = nullptr;
        MarketHistoryLabel* totalValue = nullptr;
    };
    /// The last values read for one exchange from one stored answer.
    struct LastValues {
        double point = 0;
        double height = 0;
        double fifth = 0;
    };

    MarketHistoryView& chart();
    void buildTopBar(QWidget* root);
    void buildSidePanel(QWidget* root);
    void buildBottomBar(QWidget* root);
    ExchangeLabels buildExchangeLabels(QWidget* panel, const QString& name, int top);
    void showLastValues(const ExchangeLabels& labels, const LastValues& last, double previousPoint);

    shell::QRMInfoAppDelegate& m_delegate;
    MarketHistoryView* m_chart = nullptr;
    ExchangeLabels m_hose;
    ExchangeLabels m_haSTC;
    QLabel* m_lbDate = nullptr;
    QPushButton* m_leftButton = nullptr;
    QPushButton* m_rightButton = nullptr;
    QPushButton* m_companyButton = nullptr;
    double m_tmpHoPointVal = 0;
    double m_tmpHaPointVal = 0;
};

} // namespace market
