#pragma once

#include "net/Endpoints.h"
#include "net/RequestDelegate.h"
#include "shell/BarScreen.h"
#include "shell/ScreenRequest.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace net {
class Answer;
}
namespace shell {
class FormFields;
class ScreenMenu;
} // namespace shell

namespace portfolio {

/// What the holding form starts from: the stock, the category (empty: the user names one), and
/// for an edit the holding and its stored values.
struct HoldingDraft {
    QString companyId;
    QString code;
    QString categoryId;
    QString holdingId;
    QString price;
    QString quantity;
    QString up;
    QString down;
    QString fee;
};

/// The holding form: adds a stock to a known category, to a new one named in the form, or
/// changes a holding. Every change goes to the service first; the store follows its answer.
class AddToDirectoryViewController final : public shell::BarScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddToDirectoryViewController)

public:
    static constexpr int kRequestKind = 12;

    explicit AddToDirectoryViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~AddToDirectoryViewController() override;

    /// Set by the opener before the form is shown.
    void setHolding(const HoldingDraft& draft, bool editMode);
    const HoldingDraft& draft() const { return m_draft; }
    bool editMode() const { return m_editMode; }
    const QString& pId() const { return m_draft.categoryId; }

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    /// Checks the fields and sends the change.
    void addCode();
    void DidFinishRequest(std::optional<QByteArray> data) override;
    /// Fills the category list from the store.
    void startLoad();
    /// A category of the list chosen: its name goes into the field.
    void chooseCategory(int row);
    /// Shows or hides the category list under the category field.
    void toggleCategoryList();

    QLabel* lbCode() const { return m_lbCode; }
    QLabel* lbSuaDanhmuc() const { return m_lbSuaDanhmuc; }
    QLineEdit* txtPortfolio() const { return m_txtPortfolio; }
    QLineEdit* txtPrice() const { return m_txtPrice; }
    QLineEdit* txtQuantity() const { return m_txtQuantity; }
    QLineEdit* txtUp() const { return m_txtUp; }
    QLineEdit* txtDown() const { return m_txtDown; }
    QLineEdit* txtFee() const { return m_txtFee; }
    shell::ScreenMenu* tbView() const { return m_tbView; }
    const QStringList& dirListName() const { return m_dirListName; }

protected:
    void buildContent(QWidget* root) override;

private:
    QLineEdit* addField(QWidget* root, const QString& caption, const QRect& frame, int captionWidth);
    net::HoldingValues holdingValues() const;
    QString requestUrl();
    void handleEditAnswer(const net::Answer& answer);
    void handleAddAnswer(const net::Answer& answer);

    shell::ScreenRequest m_request;
    HoldingDraft m_draft;
    bool m_editMode = false;
    QStringList m_dirListName;
    QStringList m_dirListId;

    QLabel* m_lbCode = nullptr;
    QLabel* m_lbSuaDanhmuc = nullptr;
    QLineEdit* m_txtPortfolio = nullptr;
    QPushButton* m_btCategories = nullptr;
    QLineEdit* m_txtPrice = nullptr;
    QLineEdit* m_txtQuantity = nullptr;
    QLineEdit* m_txtUp = nullptr;
    QLineEdit* m_txtDown = nullptr;
    QLineEdit* m_txtFee = nullptr;
    shell::ScreenMenu* m_tbView = nullptr;
    shell::FormFields* m_formFields = nullptr;
};

} // namespace portfolio
