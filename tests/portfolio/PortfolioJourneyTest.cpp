#include "PortfolioFixture.h"
#include "market/Market.h"
#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/DirectoryAddViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/PortfolioScreens.h"
#include "server/EmbeddedService.h"
#include "server/Service.h"
#include "shell/MainViewController.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

using portfolio::DirectoryMenuViewController;
using portfolio::PortfolioScreen;

// The whole round on the built-in service as the demo user: a category created and renamed, a
// stock added and edited, seen on the five screens, then deleted with its category.
class PortfolioJourneyTest : public testsupport::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_service = sim::startEmbeddedService(std::string());
        ASSERT_NE(m_service, nullptr);
        startQuietly(m_service->baseUrl());
        portfolio::registerPortfolioScreens(app());
        const sim::Company& company = m_service->market().companies().front();
        m_code = QString::fromStdString(company.code);
        m_companyId = QString::number(company.id);
        app().db()->updateCompanyList(QString::number(company.stockId), QString::number(app().currentDay()),
                                      m_companyId, m_code, m_code);
    }

    /// Presses OK on the alert that says `message`.
    void confirm(const QString& message) {
        ASSERT_TRUE(waitForAlert(message));
        alerts().press(0);
    }

    QString categoryId(const QString& name) {
        QStringList names;
        QStringList ids;
        app().db()->getDirList(names, ids);
        return ids.value(names.indexOf(name));
    }

    std::unique_ptr<sim::Service> m_service;
    QString m_code;
    QString m_companyId;
};

TEST_F(PortfolioJourneyTest, CreateRenameAddEditSeeAndDelete) {
    logInAsDemo();
    app().mainViewController()->openSection(QStringLiteral("btDanhmuc"));
    auto& list = *app().cachedScreen<DirectoryMenuViewController>();
    ASSERT_EQ(navigator().topController(), &list);
    EXPECT_EQ(list.dirListName().size(), 2);

    list.viewDirAdd();
    auto& categoryForm = *app().cachedScreen<portfolio::DirectoryAddViewController>();
    categoryForm.txtName()->setText(QStringLiteral("Thử & xem"));
    categoryForm.addDir();
    confirm(QStringLiteral("Đã tạo danh mục!"));
    ASSERT_TRUE(waitFor([&list] { return list.dirListName().size() == 3; }));
    list.selectRow(int(list.dirListName().indexOf(QStringLiteral("Thử & xem"))));
    list.goEditDir();
    categoryForm.txtName()->setText(QStringLiteral("Thử nghiệm"));
    categoryForm.addDir();
    confirm(QStringLiteral("Đã cập nhật danh mục"));
    ASSERT_TRUE(waitFor([&list] { return list.dirListName().contains(QStringLiteral("Thử nghiệm")); }));
    const QString category = categoryId(QStringLiteral("Thử nghiệm"));

    auto addForm = std::make_unique<portfolio::AddToDirectoryViewController>(app());
    portfolio::HoldingDraft draft;
    draft.companyId = m_companyId;
    draft.code = m_code;
    draft.categoryId = category;
    addForm->setHolding(draft, false);
    navigator().push(addForm.get(), false);
    addForm->txtPrice()->setText(QStringLiteral("20.5"));
    addForm->txtQuantity()->setText(QStringLiteral("300"));
    addForm->txtUp()->setText(QStringLiteral("2"));
    addForm->txtFee()->setText(QStringLiteral("0.15"));
    addForm->addCode();
    confirm(QStringLiteral("Đã câp nhật!"));

    list.selectRow(int(list.dirListName().indexOf(QStringLiteral("Thử nghiệm"))));
    for (int screen = 1; screen <= 5; ++screen) {
        list.gotoScreen(screen);
        auto* shown = dynamic_cast<PortfolioScreen*>(navigator().topController());
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->model().rows().size(), 1U) << "screen " << screen;
        EXPECT_EQ(shown->model().rows()[0].code, m_code);
    }
    PortfolioScreen& first = *portfolio::holdingsScreen(app(), 1);
    list.gotoScreen(1);
    first.selectRow(0);
    first.menuContextCallBack(2);
    auto* editForm = dynamic_cast<portfolio::AddToDirectoryViewController*>(navigator().topController());
    ASSERT_NE(editForm, nullptr);
    EXPECT_EQ(editForm->txtPrice()->text(), QStringLiteral("20.5"));
    editForm->txtPrice()->setText(QStringLiteral("21"));
    editForm->addCode();
    confirm(QStringLiteral("Đã câp nhật!"));
    ASSERT_EQ(navigator().topController(), &first);
    EXPECT_EQ(first.model().rows()[0].price, QStringLiteral("21"));

    first.selectRow(0);
    first.menuContextCallBack(1);
    alerts().press(1);
    ASSERT_TRUE(waitFor([&first] { return first.model().rows().empty(); }));

    navigator().pop(false);
    ASSERT_EQ(navigator().topController(), &list);
    list.selectRow(int(list.dirListName().indexOf(QStringLiteral("Thử nghiệm"))));
    list.confirmDeleteDir();
    alerts().press(1);
    ASSERT_TRUE(waitFor([&list] { return list.dirListName().size() == 2; }));
    EXPECT_TRUE(categoryId(QStringLiteral("Thử nghiệm")).isEmpty());
}
