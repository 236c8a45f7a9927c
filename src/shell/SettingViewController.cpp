#include "shell/SettingViewController.h"

#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "shell/SelectDayKQGDViewController.h"
#include "shell/ToggleSwitch.h"
#include "store/myDb.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace shell {

namespace {

constexpr int kDaysPerStep = 20;
const QString kPull = QStringLiteral("PULL");
const QString kPush = QStringLiteral("PUSH");

const std::array<const char*, 6> kSwitchCaptions{"Hiển thị tên tài khoản",
                                                 "Kiểm tra phiên bản mới khi khởi động",
                                                 "Cập nhật dữ liệu dạng PUSH",
                                                 "Cảnh báo giá danh mục",
                                                 "Màu bảng giá",
                                                 "Màu cho người khó phân biệt màu"};
// Six switches, then the days row and its note, down the 320 points under the bar.
constexpr int kFirstSwitchY = 40;
constexpr int kSwitchStep = 34;
constexpr int kDaysY = 248;
constexpr int kNoteY = 280;

} // namespace

SettingViewController::SettingViewController(QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Cấu hình")) {
    setScreenName(QStringLiteral("Cấu hình"));
}

SettingViewController::~SettingViewController() = default;

void SettingViewController::buildContent(QWidget* root) {
    for (int tag = 0; tag < static_cast<int>(kSwitchCaptions.size()); ++tag) {
        const int y = kFirstSwitchY + tag * kSwitchStep;
        makeLabel(root, QString::fromUtf8(kSwitchCaptions.at(static_cast<std::size_t>(tag))), QRect(24, y, 330, 31),
                  13);
        auto* toggle = new ToggleSwitch(root);
        toggle->move(400, y);
        connect(toggle, &ToggleSwitch::clicked, this, [this, tag](bool on) { switchAction(tag, on); });
        m_switches.at(static_cast<std::size_t>(tag)) = toggle;
    }
    makeLabel(root, QStringLiteral("Số ngày lưu dữ liệu"), QRect(24, kDaysY, 152, 28), 13);
    m_slider = new QSlider(Qt::Horizontal, root);
    m_slider->setGeometry(180, kDaysY, 120, 28);
    m_slider->setRange(1, 3);
    m_slider->setPageStep(1);
    m_slider->setFocusPolicy(Qt::NoFocus);
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        if (value * kDaysPerStep != m_day_store) {
            slideDayChanged(value);
        }
    });
    m_lbDay_Store = makeLabel(root, QString(), QRect(308, kDaysY, 40, 28), 14, true);
    m_lbDay_Store->setAlignment(Qt::AlignCenter);
    QPushButton* step = makeBarButton(root, QStringLiteral("Đổi"), QRect(352, kDaysY + 1, 50, 26));
    connect(step, &QPushButton::clicked, this, &SettingViewController::goSetDay);
    QPushButton* choose = makeBarButton(root, QStringLiteral("Chọn..."), QRect(408, kDaysY + 1, 62, 26));
    connectNavigation(choose, [this] { goChooseDays(); });
    makeLabel(root, QStringLiteral("Số ngày lưu có hiệu lực từ lần khởi động sau."), QRect(24, kNoteY, 440, 24), 11);
}

void SettingViewController::viewDidLoad() {
    getSetting();
}

void SettingViewController::viewWillAppear(bool /*animated*/) {
    // The day chooser writes the row too; show what is stored now.
    getSetting();
}

void SettingViewController::getSetting() {
    const QStringList rows = appDelegate().db()->getSetting();
    const QStringList fields = rows.isEmpty() ? QStringList() : rows.constFirst().split(QLatin1Char(','));
    if (fields.size() >= 5) {
        m_account_visible = fields.at(0).toInt();
        m_check_version = fields.at(1).toInt();
        m_update_type = fields.at(2);
        m_dir_warning = fields.at(3).toInt();
        m_day_store = fields.at(4).toInt();
    }
    create_UISwitch();
    appDelegate().getSetting();
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(m_day_store / kDaysPerStep);
    m_lbDay_Store->setText(QString::number(m_day_store));
}

void SettingViewController::create_UISwitch() {
    m_switches[0]->setChecked(m_account_visible != 0);
    m_switches[1]->setChecked(m_check_version != 0);
    m_switches[2]->setChecked(m_update_type != kPull);
    m_switches[2]->setEnabled(false);
    m_switches[3]->setChecked(m_dir_warning != 0);
    m_switches[kBoardColoursSwitch]->setChecked(appDelegate().palette().boardColours());
    m_switches[kColourSafeSwitch]->setChecked(appDelegate().palette().colourSafe());
}

// The application object keeps its own copy of the row (the day chooser reads it), so every
// write is followed by its re-reading.
void SettingViewController::storeAll() {
    appDelegate().db()->setSetting(m_account_visible, m_check_version, m_update_type, m_dir_warning, m_day_store);
    appDelegate().getSetting();
}

void SettingViewController::switchAction(int tag, bool on) {
    switch (tag) {
    case 0:
        m_account_visible = on ? 1 : 0;
        break;
    case 1:
        m_check_version = on ? 1 : 0;
        break;
    case 2:
        m_update_type = on ? kPush : kPull;
        break;
    case 3:
        m_dir_warning = on ? 1 : 0;
        break;
    // The colour options live in the preferences, not in the setting row.
    case kBoardColoursSwitch:
        appDelegate().setBoardColours(on);
        create_UISwitch();
        return;
    case kColourSafeSwitch:
        appDelegate().setColourSafe(on);
        create_UISwitch();
        return;
    default:
        return;
    }
    storeAll();
    getSetting();
}

void SettingViewController::slideDayChanged(int value) {
    m_day_store = value * kDaysPerStep;
    m_lbDay_Store->setText(QString::number(m_day_store));
    storeAll();
}

void SettingViewController::goSetDay() {
    m_day_store = m_lbDay_Store->text().toInt();
    switch (m_day_store) {
    case 20:
        m_day_store = 40;
        break;
    case 40:
        m_day_store = 60;
        break;
    case 60:
        m_day_store = 20;
        break;
    default:
        break;
    }
    m_lbDay_Store->setText(QString::number(m_day_store));
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(m_day_store / kDaysPerStep);
    storeAll();
}

void SettingViewController::goChooseDays() {
    m_chooser = std::make_unique<SelectDayKQGDViewController>(appDelegate());
    appDelegate().navigator().push(m_chooser.get(), true);
}

QString SettingViewController::dayStoreText() const {
    return m_lbDay_Store ? m_lbDay_Store->text() : QString();
}

} // namespace shell
