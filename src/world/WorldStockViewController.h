#pragma once

#include "world/PriceListScreen.h"

class QLabel;
class QPushButton;

namespace world {

/// The world stock indices in two groups, Europe and America (ids 1 to 5) and Asia-Pacific
/// (ids 6 and above), each row with its flag, the value, the change and the change in percent.
class WorldStockViewController final : public PriceListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorldStockViewController)

public:
    static const QString kEurope;
    static const QString kOcean;

    explicit WorldStockViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~WorldStockViewController() override;

    /// Shows the Europe and America group; nothing when it is shown.
    void toggleEU();
    /// Shows the Asia-Pacific group; nothing when it is shown.
    void toggleOC();

    const QString& continent() const { return m_continent; }
    QPushButton* btEU() const { return m_btEU; }
    QPushButton* btOc() const { return m_btOc; }
    QLabel* ck_ca() const { return m_ck_ca; }

    /// The flag picture of an index id, empty for none.
    static QString flagOf(int id);
    /// The value text: the decimal text, with a "0" added to a single fraction digit.
    static QString valueText(const QString& stored);

protected:
    QStringList readStoredRows() override;
    std::vector<PriceRow> buildRows(const QStringList& stored) override;
    QString requestUrl() const override;
    bool storeRecord(myDb& db, const net::RecordView& record) override;
    void buildContent(QWidget* root) override;

private:
    void showGroup(const QString& continent);

    QString m_continent;
    QPushButton* m_btEU = nullptr;
    QPushButton* m_btOc = nullptr;
    QLabel* m_ck_ca = nullptr;
    QLabel* m_groupLabel = nullptr;
};

} // namespace world
