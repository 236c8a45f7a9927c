#include "shell/AboutViewController.h"

#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"

#include <QLabel>

namespace shell {

AboutViewController::AboutViewController(QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Hỗ trợ")) {
    setScreenName(QStringLiteral("Hỗ trợ"));
}

AboutViewController::~AboutViewController() = default;

void AboutViewController::buildContent(QWidget* root) {
    QLabel* name = makeLabel(root, QStringLiteral("Corvastel"), QRect(0, 60, 480, 36), 24, true);
    name->setAlignment(Qt::AlignCenter);
    m_lbVersion =
        makeLabel(root, QStringLiteral("Phiên bản %1").arg(appDelegate().version()), QRect(0, 100, 480, 24), 14);
    m_lbVersion->setAlignment(Qt::AlignCenter);
    QLabel* about = makeLabel(root,
                              QStringLiteral("Thông tin thị trường chứng khoán Việt Nam: chỉ số HoSE và HNX, giá "
                                             "cổ phiếu, kết quả giao dịch, báo cáo tài chính, tin tức, chứng khoán "
                                             "thế giới, giá vàng, hàng hóa và tỷ giá."),
                              QRect(40, 140, 400, 80), 12);
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignCenter);
}

QString AboutViewController::versionText() const {
    return m_lbVersion ? m_lbVersion->text() : QString();
}

} // namespace shell
