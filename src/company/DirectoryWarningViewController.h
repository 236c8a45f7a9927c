#pragma once

#include "company/DirectoryWarningRows.h"
#include "shell/BarScreen.h"

#include <QByteArray>
#include <QStringList>

namespace ui {
class RowTable;
}

namespace company {

/// The price warnings of the user's holdings: one row per warning record of a warnings answer,
/// opened by the live lists with the whole answer. The screen makes no requests.
class DirectoryWarningViewController final : public shell::BarScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DirectoryWarningViewController)

public:
    explicit DirectoryWarningViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~DirectoryWarningViewController() override;

    /// Pushes a new warning screen, without animation, that lists the warnings of this answer.
    static void open(shell::QRMInfoAppDelegate& appDelegate, const QByteArray& data);

    /// The whole warnings answer; read when the screen is shown.
    void setData(const QByteArray& data) { m_data = data; }
    const QByteArray& data() const { return m_data; }

    void viewWillAppear(bool animated) override;
    /// Reads the warning records of the data and reloads the table.
    void parse_data();

    const QStringList& warningArr() const { return m_warningArr; }
    const QStringList& dirListName() const { return m_dirListName; }
    const QStringList& dirListId() const { return m_dirListId; }
    const std::vector<DirectoryWarningRow>& rows() const { return m_rows.rows(); }
    ui::RowTable* tbView() const { return m_tbView; }

protected:
    void buildContent(QWidget* root) override;

private:
    /// Looks every warning's holding up in the store and shows the rows.
    void reloadTable();

    QByteArray m_data;
    QStringList m_warningArr;
    QStringList m_dirListName;
    QStringList m_dirListId;
    DirectoryWarningRows m_rows;
    ui::RowTable* m_tbView = nullptr;
};

} // namespace company
