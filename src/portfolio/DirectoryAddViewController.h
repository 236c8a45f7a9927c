#pragma once

#include "net/RequestDelegate.h"
#include "shell/BarScreen.h"
#include "shell/ScreenRequest.h"

class QLineEdit;
class QPushButton;

namespace shell {
class FormFields;
}

namespace portfolio {

/// The one-field form that creates a category or renames one on the service; the category list
/// is fetched again after a change.
class DirectoryAddViewController final : public shell::BarScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DirectoryAddViewController)

public:
    static constexpr int kRequestKind = 12;

    explicit DirectoryAddViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~DirectoryAddViewController() override;

    // ---- set by the opener -----------------------------------------------------------------
    bool editMode() const { return m_editMode; }
    void setEditMode(bool editMode) { m_editMode = editMode; }
    const QString& pId() const { return m_pId; }
    void setPId(const QString& id) { m_pId = id; }
    const QString& pName() const { return m_pName; }
    void setPName(const QString& name) { m_pName = name; }

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    /// Checks the name and sends the change.
    void addDir();
    void DidFinishRequest(std::optional<QByteArray> data) override;

    QLineEdit* txtName() const { return m_txtName; }
    QPushButton* btAdd() const { return m_btAdd; }

protected:
    void buildContent(QWidget* root) override;

private:
    shell::ScreenRequest m_request;
    bool m_editMode = false;
    QString m_pId;
    QString m_pName;
    QLineEdit* m_txtName = nullptr;
    QPushButton* m_btAdd = nullptr;
    shell::FormFields* m_formFields = nullptr;
};

} // namespace portfolio
