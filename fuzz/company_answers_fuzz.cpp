// The company screens' answers: the list's quotes and price warnings, the real-time quote and
// chart, finance, and the company's news.
#include "company/CompanyFinancialNewsViewController.h"
#include "company/CompanyHeadNewsViewController.h"
#include "company/CompanyInfoViewController.h"
#include "company/CompanyRealTimeViewcontroller.h"
#include "store/myDb.h"
#include "support/ScreenScenario.h"

#include <array>

namespace {

using fuzzing::FuzzShell;
using fuzzing::ScreenScenario;

company::CompanyInfoViewController& openList(FuzzShell& shell) {
    auto* list = shell.app().cachedScreen<company::CompanyInfoViewController>();
    list->setMarketStockId(company::CompanyInfoViewController::kHoSE);
    list->setIsRealtime(true);
    shell.show(list);
    return *list;
}

// The company the screens show, as the company list stores it.
template <typename Screen> Screen& openCompany(FuzzShell& shell) {
    shell.app().db()->updateCompanyList(QStringLiteral("2"), QStringLiteral("9000"), QStringLiteral("7"),
                                        QStringLiteral("ACB"), QStringLiteral("Ngân hàng Á Châu"));
    auto* screen = shell.app().cachedScreen<Screen>();
    screen->set_id(QStringLiteral("7"));
    shell.show(screen);
    return *screen;
}

const std::array<ScreenScenario, 5> kScenarios{{
    {"company list quotes",
     [](FuzzShell& shell) {
         openList(shell).loadData();
     }},
    {"company list warnings",
     [](FuzzShell& shell) {
         openList(shell).getWarning();
     }},
    {"company real time",
     [](FuzzShell& shell) {
         auto& screen = openCompany<company::CompanyRealTimeViewcontroller>(shell);
         screen.setCode(QStringLiteral("ACB"));
         screen.targetMethod();
     }},
    {"company finance",
     [](FuzzShell& shell) {
         openCompany<company::CompanyFinancialNewsViewController>(shell).reloadFinanceData();
     }},
    {"company news",
     [](FuzzShell& shell) {
         openCompany<company::CompanyHeadNewsViewController>(shell).targetMethod();
     }},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::runScenario(kScenarios, data, size);
}
