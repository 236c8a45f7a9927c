#pragma once

#include "world/PriceListScreen.h"

namespace world {

/// The commodity prices: one row per commodity with its price, change and change in percent.
class GoodsViewController final : public PriceListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GoodsViewController)

public:
    explicit GoodsViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~GoodsViewController() override;

protected:
    QStringList readStoredRows() override;
    std::vector<PriceRow> buildRows(const QStringList& stored) override;
    QString requestUrl() const override;
    bool storeRecord(myDb& db, const net::RecordView& record) override;
    void buildContent(QWidget* root) override;
};

} // namespace world
