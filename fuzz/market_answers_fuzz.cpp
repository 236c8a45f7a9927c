// The market overview's live answer, the full update's end-of-day answer (with the day steps it
// is applied in), the two trading-results loads and the version check, each fed to the request
// the program sends for it.
#include "market/MarketInfoViewController.h"
#include "support/ScreenScenario.h"

#include <array>

namespace {

using fuzzing::FuzzShell;
using fuzzing::ScreenScenario;

constexpr int kSomeDay = 9000;

const std::array<ScreenScenario, 5> kScenarios{{
    {"overview",
     [](FuzzShell& shell) {
         auto* overview = shell.app().cachedScreen<market::MarketInfoViewController>();
         shell.show(overview);
         shell.app().setBRealTime(true);
         overview->targetMethod();
     }},
    {"full update",
     [](FuzzShell& shell) {
         shell.app().load_EOD();
     }},
    {"market results",
     [](FuzzShell& shell) {
         shell.app().load_EOD_KQGD(kSomeDay);
     }},
    {"company results",
     [](FuzzShell& shell) {
         shell.app().load_EOD_KQGD_COM(kSomeDay);
     }},
    {"version check",
     [](FuzzShell& shell) {
         shell.app().checkVersion();
     }},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::runScenario(kScenarios, data, size);
}
