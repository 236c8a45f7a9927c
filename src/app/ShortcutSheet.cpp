#include "app/ShortcutSheet.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

QList<ShortcutLine> shortcutLines() {
    return {
        {QStringLiteral("Esc"), QStringLiteral("Xóa bộ lọc của danh sách; không lọc thì quay lại màn hình trước "
                                               "(hoặc đóng thông báo)")},
        {QStringLiteral("Home"), QStringLiteral("Về màn hình chính")},
        {QStringLiteral("F5"), QStringLiteral("Tải lại dữ liệu của màn hình")},
        {QStringLiteral("L"), QStringLiteral("Bật hoặc tắt cập nhật trực tuyến (khi chưa gõ lọc)")},
        {QStringLiteral("M"), QStringLiteral("Cổ phiếu nổi bật của ngày đang xem (màn hình kết quả giao dịch)")},
        {QStringLiteral("Chữ, số"), QStringLiteral("Lọc danh sách theo mã hoặc tên, có dấu hay không dấu; "
                                                   "Shift+L để lọc bắt đầu bằng L")},
        {QStringLiteral("Backspace"), QStringLiteral("Xóa chữ cuối của bộ lọc")},
        {QStringLiteral("↑ / ↓"), QStringLiteral("Chọn dòng trên, dưới của danh sách")},
        {QStringLiteral("Bấm tiêu đề cột"), QStringLiteral("Sắp xếp tăng, giảm, rồi về thứ tự ban đầu")},
        {QStringLiteral("← / →"), QStringLiteral("Sang trang hoặc ngày trước, sau")},
        {QStringLiteral("Enter"), QStringLiteral("Chọn nút chính của thông báo hoặc biểu mẫu; mở dòng đang chọn "
                                                 "của danh sách")},
        {QStringLiteral("Tab / Shift+Tab"), QStringLiteral("Sang ô nhập sau, trước của biểu mẫu")},
        {QStringLiteral("Ctrl+E"), QStringLiteral("Xuất bảng của màn hình ra tệp CSV")},
        {QStringLiteral("Ctrl+S"), QStringLiteral("Lưu biểu đồ thành ảnh SVG hoặc PNG")},
        {QStringLiteral("Ctrl+="), QStringLiteral("Phóng to cửa sổ")},
        {QStringLiteral("Ctrl+-"), QStringLiteral("Thu nhỏ cửa sổ")},
        {QStringLiteral("Ctrl+0"), QStringLiteral("Về cỡ mặc định")},
        {QStringLiteral("F1"), QStringLiteral("Bảng phím tắt này")},
        {QStringLiteral("Ctrl+Q"), QStringLiteral("Thoát chương trình")},
    };
}

namespace {

QTableWidget* makeTable(QWidget* parent) {
    const QList<ShortcutLine> lines = shortcutLines();
    auto* table = new QTableWidget(static_cast<int>(lines.size()), 2, parent);
    table->setHorizontalHeaderLabels({QStringLiteral("Phím"), QStringLiteral("Tác dụng")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    for (int row = 0; row < lines.size(); ++row) {
        auto* keys = new QTableWidgetItem(lines.at(row).keys);
        QFont bold = keys->font();
        bold.setBold(true);
        keys->setFont(bold);
        table->setItem(row, 0, keys);
        table->setItem(row, 1, new QTableWidgetItem(lines.at(row).meaning));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

ShortcutSheet::ShortcutSheet(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Corvastel — Phím tắt"));
    auto* layout = new QVBoxLayout(this);
    QTableWidget* table = makeTable(this);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Đóng"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    const int width = table->horizontalHeader()->length() + table->frameWidth() * 2 + 24;
    const int height = table->verticalHeader()->length() + table->horizontalHeader()->height() + 64;
    resize(std::max(width, 420), height);
}

} // namespace app
