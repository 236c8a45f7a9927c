#pragma once

#include "world/PriceListScreen.h"

class QLabel;
class QPushButton;

namespace world {

/// The exchange rates in two groups: the bank's rates against the dong ("ACB", ids 9 and above,
/// shown first) and world currency pairs ("World", ids 8 and below), each row with the
/// reference price and the buying and selling rates.
class ExchangeViewController final : public PriceListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExchangeViewController)

public:
    static const QString kACB;
    static const QString kWorld;

    explicit ExchangeViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~ExchangeViewController() override;

    /// Shows the bank's group.
    void toggleEU();
    /// Shows the world group.
    void toggleOC();

    const QString& continent() const { return m_continent; }
    /// The latest minute of the rows listed since the screen was made.
    int minute() const { return m_minute; }
    QPushButton* btEU() const { return m_btEU; }
    QPushButton* btOc() const { return m_btOc; }

    /// The currency picture of an id, empty for none.
    static QString iconOf(int id);

protected:
    QStringList readStoredRows() override;
    std::vector<PriceRow> buildRows(const QStringList& stored) override;
    QString requestUrl() const override;
    bool storeRecord(myDb& db, const net::RecordView& record) override;
    /// A failed transfer leaves the list as it is.
    bool rereadsAfterFailure() const override { return false; }
    void buildContent(QWidget* root) override;

private:
    void showGroup(const QString& continent);
    QString rateText(const QString& stored) const;

    QString m_continent;
    int m_minute = 0;
    QPushButton* m_btEU = nullptr;
    QPushButton* m_btOc = nullptr;
    // The headings of each group: the world group's (tg_tg, tg_bt_tg) and the bank's.
    std::vector<QLabel*> m_worldHeadings;
    std::vector<QLabel*> m_bankHeadings;
};

} // namespace world
