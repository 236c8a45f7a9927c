#pragma once

#include "shell/BarScreen.h"

class QLabel;

namespace shell {

/// The program's name, version and the service it shows.
class AboutViewController final : public BarScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutViewController)

public:
    explicit AboutViewController(QRMInfoAppDelegate& appDelegate);
    ~AboutViewController() override;

    QString versionText() const;

protected:
    void buildContent(QWidget* root) override;

private:
    QLabel* m_lbVersion = nullptr;
};

} // namespace shell
