#pragma once

#include "company/CompanyListChooseRows.h"
#include "ui/ViewController.h"

#include <QStringList>

namespace shell {
class QRMInfoAppDelegate;
}
namespace ui {
class RowTable;
}

namespace company {

/// Lets the user tick which stock codes of an exchange are shown; the ticks are kept in the
/// store's visible flag.
class CompanyChooseViewController final : public ui::ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyChooseViewController)

public:
    explicit CompanyChooseViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~CompanyChooseViewController() override;

    void setMarketStockId(int stockId) { m_marketStockId = stockId; }
    int marketStockId() const { return m_marketStockId; }

    void viewWillAppear(bool animated) override;
    /// Row 0 is the heading and does nothing; a code row flips its tick and the stored flag.
    void selectRow(int row);
    void goBack();

    const QStringList& companyCodeList() const { return m_companyCodeList; }
    const QStringList& companyVisibleAttrList() const { return m_companyVisibleAttrList; }
    const CompanyListChooseRows& rows() const { return m_rows; }
    ui::RowTable* tbView() const { return m_tbView; }

protected:
    QWidget* loadView() override;

private:
    void readVisibleAttrs();

    shell::QRMInfoAppDelegate& m_delegate;
    int m_marketStockId = 2;
    QStringList m_companyCodeList;
    QStringList m_companyVisibleAttrList;
    CompanyListChooseRows m_rows;
    ui::RowTable* m_tbView = nullptr;
};

} // namespace company
