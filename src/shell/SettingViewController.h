#pragma once

#include "shell/BarScreen.h"

#include <array>

class QLabel;
class QSlider;

namespace shell {

class ToggleSwitch;

/// The five values of the setting row, each written to the store as soon as it changes, and the
/// two colour options, kept in the preferences.
class SettingViewController final : public BarScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingViewController)

public:
    /// The tags of the two colour switches, after the four of the setting row.
    static constexpr int kBoardColoursSwitch = 4;
    static constexpr int kColourSafeSwitch = 5;

    explicit SettingViewController(QRMInfoAppDelegate& appDelegate);
    ~SettingViewController() override;

    void viewWillAppear(bool animated) override;

    /// Re-reads the row into the working copy, the controls and the application object.
    void getSetting();
    void switchAction(int tag, bool on);
    void slideDayChanged(int value);
    void goSetDay();
    void goChooseDays();

    int account_visible() const { return m_account_visible; }
    int check_version() const { return m_check_version; }
    const QString& update_type() const { return m_update_type; }
    int dir_warning() const { return m_dir_warning; }
    int day_store() const { return m_day_store; }
    ToggleSwitch* switchCtl(int tag) const { return m_switches.at(static_cast<std::size_t>(tag)); }
    QSlider* slider() const { return m_slider; }
    QString dayStoreText() const;

protected:
    void buildContent(QWidget* root) override;
    void viewDidLoad() override;

private:
    void create_UISwitch();
    void storeAll();

    int m_account_visible = 0;
    int m_check_version = 0;
    QString m_update_type;
    int m_dir_warning = 0;
    int m_day_store = 0;
    std::array<ToggleSwitch*, 6> m_switches{};
    QSlider* m_slider = nullptr;
    QLabel* m_lbDay_Store = nullptr;
    std::unique_ptr<ui::ViewController> m_chooser;
};

} // namespace shell
