#pragma once

#include "shell/BarScreen.h"

class QListWidget;

namespace shell {

/// Chooses how many days of history the store keeps: 20, 40 or 60.
class SelectDayKQGDViewController final : public BarScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectDayKQGDViewController)

public:
    explicit SelectDayKQGDViewController(QRMInfoAppDelegate& appDelegate);
    ~SelectDayKQGDViewController() override;

    void viewWillAppear(bool animated) override;
    void selectRow(int row);
    /// The row carrying the check mark, or -1.
    int checkedRow() const;

protected:
    void buildContent(QWidget* root) override;

private:
    QListWidget* m_table = nullptr;
};

} // namespace shell
