#include "portfolio/DirectoryAddViewController.h"

#include "core/PortfolioAnswer.h"
#include "net/AnswerReader.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/FormRules.h"
#include "shell/FormFields.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace portfolio {

namespace {

const QString kNotChanged = QStringLiteral("Không tạo/cập nhật được danh mục!");

} // namespace

DirectoryAddViewController::DirectoryAddViewController(shell::QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Danh mục"))
    , m_request(appDelegate, *this) {
    setScreenName(QStringLiteral("Danh mục mới"));
}

DirectoryAddViewController::~DirectoryAddViewController() = default;

void DirectoryAddViewController::buildContent(QWidget* root) {
    shell::makeLabel(root, QStringLiteral("Tên danh mục"), QRect(40, 80, 120, 30), 13, true);
    m_txtName = shell::makeField(root, QStringLiteral("Ví dụ: Dài hạn"), QRect(160, 80, 270, 30));
    m_txtName->setMaxLength(60);
    m_btAdd = shell::makeBarButton(root, QString(), QRect(160, 128, 270, 32));
    connect(m_btAdd, &QPushButton::clicked, this, &DirectoryAddViewController::addDir);
    m_formFields = new shell::FormFields(root, appDelegate().platform().hasOnScreenKeyboard);
    m_formFields->setFields({m_txtName}, m_btAdd);
}

void DirectoryAddViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_txtName->setText(m_pName);
    m_btAdd->setText(m_editMode ? QStringLiteral("Đổi tên danh mục") : QStringLiteral("Tạo danh mục"));
}

void DirectoryAddViewController::viewDidAppear(bool /*animated*/) {
    m_formFields->focusFirst();
}

void DirectoryAddViewController::viewWillDisappear(bool /*animated*/) {
    m_formFields->lower();
}

void DirectoryAddViewController::addDir() {
    const QString name = m_txtName->text();
    if (name.isEmpty()) {
        appDelegate().alerts().tell(QStringLiteral("Xin nhập tên danh mục!"));
        return;
    }
    if (appDelegate().session().isEmpty()) {
        appDelegate().alerts().tell(QStringLiteral("Chưa đăng nhập!"));
        return;
    }
    if (const QString refusal = categoryNameRefusal(name); !refusal.isEmpty()) {
        appDelegate().alerts().tell(refusal);
        return;
    }
    const net::Endpoints& endpoints = appDelegate().endpoints();
    m_request.send(kRequestKind, m_editMode ? endpoints.renameCategory(name, m_pId) : endpoints.addCategory(name));
}

// A header without the day the categories are stored under is no answer to act on: the form
// stays, as for a header that cannot be read at all.
void DirectoryAddViewController::DidFinishRequest(std::optional<QByteArray> data) {
    if (!data) {
        return;
    }
    const net::Answer answer = net::readAnswer(*data);
    if (!answer.hasStatus() || (answer.isSuccess() && answer.headerFieldCount() < 3)) {
        appDelegate().alerts().tell(kNotChanged);
        return;
    }
    shell::QRMInfoAppDelegate& app = appDelegate();
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(kNotChanged);
        leaveIfShown();
        return;
    }
    core::storePortfolioRecords(*app.db(), answer);
    appDelegate().alerts().tell(m_editMode ? QStringLiteral("Đã cập nhật danh mục")
                                           : QStringLiteral("Đã tạo danh mục!"));
    if (auto* directory = app.existingScreen<DirectoryMenuViewController>()) {
        directory->load_Directory();
    }
    leaveIfShown();
}

} // namespace portfolio
