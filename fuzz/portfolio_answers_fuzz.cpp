// The answers of the portfolio side: holdings quotes and deletion, the category list and its
// changes, a holding's addition, the watch list's quotes and price warnings, login and
// registration.
#include "portfolio/AddToDirectoryViewController.h"
#include "portfolio/DirectoryAddViewController.h"
#include "portfolio/DirectoryMenuViewController.h"
#include "portfolio/PortfolioScreens.h"
#include "portfolio/WatchListViewController.h"
#include "shell/LoginViewController.h"
#include "shell/RegisterViewController.h"
#include "store/myDb.h"
#include "support/Forms.h"
#include "support/ScreenScenario.h"

#include <array>

namespace {

using fuzzing::FuzzShell;
using fuzzing::ScreenScenario;

const QString kCategoryId = QStringLiteral("1");
const QString kCompanyId = QStringLiteral("7");

// Logged in, with a category holding one stock and a watched stock, as a user who has used the
// portfolio screens before; an answer may have logged the user out, so this is done every time.
FuzzShell& loggedIn(FuzzShell& shell) {
    shell::QRMInfoAppDelegate& app = shell.app();
    app.setIsAuthenticated(true);
    app.setSession(QStringLiteral("s1"));
    app.setUsername(QStringLiteral("demo"));
    myDb& db = *app.db();
    db.updatePorfilio(kCategoryId, QStringLiteral("9000"), QStringLiteral("Danh mục 1"));
    db.updatePorfilioData(kCategoryId, QStringLiteral("5"), kCompanyId, QStringLiteral("25"), QStringLiteral("1000"),
                          QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("0.15"));
    db.addWatchList(kCompanyId, QStringLiteral("ACB"));
    return shell;
}

portfolio::PortfolioDataViewController& openHoldings(FuzzShell& shell) {
    auto* holdings = loggedIn(shell).app().cachedScreen<portfolio::PortfolioDataViewController>();
    holdings->setCategory(kCategoryId, QStringLiteral("Danh mục 1"));
    shell.show(holdings);
    return *holdings;
}

portfolio::DirectoryMenuViewController& openCategories(FuzzShell& shell) {
    auto* categories = loggedIn(shell).app().cachedScreen<portfolio::DirectoryMenuViewController>();
    categories->setPId(kCategoryId);
    categories->setPName(QStringLiteral("Danh mục 1"));
    shell.show(categories);
    return *categories;
}

portfolio::WatchListViewController& openWatchList(FuzzShell& shell) {
    auto* watchList = loggedIn(shell).app().cachedScreen<portfolio::WatchListViewController>();
    shell.show(watchList);
    return *watchList;
}

void addCategory(FuzzShell& shell) {
    auto* form = loggedIn(shell).app().cachedScreen<portfolio::DirectoryAddViewController>();
    form->setEditMode(false);
    shell.show(form);
    fuzzing::fillFields(*form, {QStringLiteral("Danh mục 'mới' & <khác>")});
    form->addDir();
}

void addHolding(FuzzShell& shell) {
    auto* form = loggedIn(shell).app().cachedScreen<portfolio::AddToDirectoryViewController>();
    portfolio::HoldingDraft draft;
    draft.companyId = kCompanyId;
    draft.code = QStringLiteral("ACB");
    draft.categoryId = kCategoryId;
    draft.holdingId = QStringLiteral("5");
    draft.price = QStringLiteral("25");
    draft.quantity = QStringLiteral("1000");
    draft.up = QStringLiteral("30");
    draft.down = QStringLiteral("20");
    draft.fee = QStringLiteral("0.15");
    form->setHolding(draft, true);
    shell.show(form);
    form->addCode();
}

void logIn(FuzzShell& shell) {
    shell.app().setIsAuthenticated(false);
    auto* form = shell.app().loginViewController();
    shell.show(form);
    fuzzing::fillFields(*form, {QStringLiteral("demo"), QStringLiteral("mật khẩu")});
    form->sendLogin();
}

void registerUser(FuzzShell& shell) {
    auto* form = shell.app().registerViewController();
    shell.show(form);
    fuzzing::fillFields(*form, {QStringLiteral("nguoidung"), QStringLiteral("a@b.vn")});
    form->sendRegister();
}

const std::array<ScreenScenario, 10> kScenarios{{
    {"holdings quotes",
     [](FuzzShell& shell) {
         openHoldings(shell).reload();
     }},
    {"holding deletion",
     [](FuzzShell& shell) {
         openHoldings(shell).requestDeleteStock(QStringLiteral("5"));
     }},
    {"category list",
     [](FuzzShell& shell) {
         openCategories(shell).load_Directory();
     }},
    {"category deletion",
     [](FuzzShell& shell) {
         openCategories(shell).deleteDir();
     }},
    {"category addition", addCategory},
    {"holding change", addHolding},
    {"watch list quotes",
     [](FuzzShell& shell) {
         openWatchList(shell).reloadData();
     }},
    {"watch list warnings",
     [](FuzzShell& shell) {
         openWatchList(shell).getWarning();
     }},
    {"login", logIn},
    {"registration", registerUser},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::runScenario(kScenarios, data, size);
}
