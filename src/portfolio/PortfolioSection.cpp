#include "portfolio/PortfolioSection.h"

#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/WatchListViewController.h"
#include "shell/MainViewController.h"
#include "shell/PortfolioRoutes.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Navigator.h"

namespace portfolio {

namespace {

class Routes final : public shell::PortfolioRoutes {
public:
    explicit Routes(shell::QRMInfoAppDelegate& app)
        : m_app(app) {}

    void chooseCategory(const QString& id, const QString& name) override {
        auto* directory = m_app.cachedScreen<DirectoryMenuViewController>();
        directory->setPId(id);
        directory->setPName(name);
        directory->setIScreen(1);
    }

    void showCategories() override {
        auto* directory = m_app.cachedScreen<DirectoryMenuViewController>();
        directory->setTitle(QStringLiteral(" "));
        show(directory);
    }

    void showWatchList() override {
        auto* watchList = m_app.cachedScreen<WatchListViewController>();
        watchList->setTitle(QStringLiteral(" "));
        show(watchList);
    }

    void addHolding(const shell::HoldingFormSeed& seed) override {
        auto form = std::make_unique<AddToDirectoryViewController>(m_app);
        HoldingDraft draft;
        draft.companyId = seed.companyId;
        draft.code = seed.code;
        draft.categoryId = seed.categoryId;
        form->setHolding(draft, false);
        m_app.pushTransient(std::move(form), true);
    }

private:
    // A screen already on the stack is gone back to rather than pushed a second time.
    void show(ui::ViewController* screen) {
        ui::Navigator& navigator = m_app.navigator();
        if (navigator.viewControllers().contains(screen)) {
            navigator.popTo(screen, true);
        } else {
            navigator.push(screen, true);
        }
    }

    shell::QRMInfoAppDelegate& m_app;
};

} // namespace

void registerPortfolioScreens(shell::QRMInfoAppDelegate& app) {
    auto routes = std::make_unique<Routes>(app);
    Routes* shown = routes.get();
    app.setPortfolioRoutes(std::move(routes));
    shell::MainViewController& main = *app.mainViewController();
    main.setSectionAction(QStringLiteral("btDanhmuc"), [shown] { shown->showCategories(); });
    main.setSectionAction(QStringLiteral("btTheodoi"), [shown] { shown->showWatchList(); });
}

} // namespace portfolio
