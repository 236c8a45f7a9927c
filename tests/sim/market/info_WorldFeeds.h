#pragma once

#include "info/CommodityPage.h"
#include "info/ExchangeRatePage.h"
#include "info/Noise.h"
#include "info/WorldIndexPage.h"
#include "info/WorldPrices.h"
#include "info_AnswerReading.h"

#include <gtest/gtest.h>

namespace infotest {

/// The world pages of the test seed, over one set of world prices as the service shares them.
class WorldFeedsTest : public ::testing::Test {
protected:
    sim::Noise m_noise{kSeed};
    sim::WorldPrices m_prices{m_noise};
    sim::WorldIndexPage m_indices{m_prices};
    sim::ExchangeRatePage m_rates{m_prices};
    sim::CommodityPage m_commodities{m_prices};
};

} // namespace infotest
