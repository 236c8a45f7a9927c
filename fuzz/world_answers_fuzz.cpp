// The world screens' answers and the headline news: the three price lists, the two gold charts.
#include "news/HeadNewsViewController.h"
#include "support/ScreenScenario.h"
#include "world/ACBGoldViewController.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldGoldViewController.h"
#include "world/WorldStockViewController.h"

#include <array>

namespace {

using fuzzing::FuzzShell;
using fuzzing::ScreenScenario;

// Opened, then asked as live mode's tick asks (the opening itself asks only on the day's first look).
template <typename Screen> void openAndLoad(FuzzShell& shell) {
    auto* screen = shell.app().cachedScreen<Screen>();
    shell.show(screen);
    screen->targetMethod();
}

const std::array<ScreenScenario, 6> kScenarios{{
    {"world indices", openAndLoad<world::WorldStockViewController>},
    {"commodities", openAndLoad<world::GoodsViewController>},
    {"exchange rates", openAndLoad<world::ExchangeViewController>},
    {"world gold", openAndLoad<world::WorldGoldViewController>},
    {"bank gold", openAndLoad<world::ACBGoldViewController>},
    {"headline news", openAndLoad<news::HeadNewsViewController>},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::runScenario(kScenarios, data, size);
}
