#include "shell/SelectDayKQGDViewController.h"

#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"

#include <QListWidget>

namespace shell {

namespace {

constexpr int kRowHeight = 50;
constexpr std::array<int, 3> kChoices{20, 40, 60};

} // namespace

SelectDayKQGDViewController::SelectDayKQGDViewController(QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Số ngày lưu dữ liệu")) {
    setScreenName(QStringLiteral("Chọn ngày giao dịch"));
}

SelectDayKQGDViewController::~SelectDayKQGDViewController() = default;

void SelectDayKQGDViewController::buildContent(QWidget* root) {
    m_table = new QListWidget(root);
    m_table->setGeometry(60, 50, 360, kRowHeight * 3 + 4);
    m_table->setFont(ui::systemFont(16, true));
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setStyleSheet(QStringLiteral("QListWidget { background: white; color: black; border-radius: 8px;"
                                          " outline: none; }"
                                          "QListWidget::item { border-bottom: 1px solid #d0d6de; padding-left: 14px; }"
                                          "QListWidget::item:selected { background: #dbe8f7; color: black; }"));
    for (int days : kChoices) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 ngày").arg(days), m_table);
        item->setSizeHint(QSize(356, kRowHeight));
    }
    connect(m_table, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { selectRow(m_table->row(item)); });
}

void SelectDayKQGDViewController::viewWillAppear(bool /*animated*/) {
    for (int row = 0; row < m_table->count(); ++row) {
        const bool current = kChoices.at(static_cast<std::size_t>(row)) == appDelegate().day_store();
        m_table->item(row)->setText(QStringLiteral("%1 ngày%2")
                                        .arg(kChoices.at(static_cast<std::size_t>(row)))
                                        .arg(current ? QStringLiteral("   ✓") : QString()));
        m_table->item(row)->setData(Qt::UserRole, current);
    }
}

int SelectDayKQGDViewController::checkedRow() const {
    for (int row = 0; row < m_table->count(); ++row) {
        if (m_table->item(row)->data(Qt::UserRole).toBool()) {
            return row;
        }
    }
    return -1;
}

void SelectDayKQGDViewController::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(kChoices.size())) {
        return;
    }
    QRMInfoAppDelegate& app = appDelegate();
    app.setDay_store(kChoices.at(static_cast<std::size_t>(row)));
    viewWillAppear(false);
    app.db()->setSetting(app.account_visible(), app.check_version(), app.update_type(), app.dir_warning(),
                         app.day_store());
    app.navigator().pop(true);
}

} // namespace shell
