// The tour's walk through the world markets and prices.
#include "app/Tour.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "world/ACBGoldViewController.h"
#include "world/ExchangeViewController.h"
#include "world/GoodsViewController.h"
#include "world/WorldGoldViewController.h"
#include "world/WorldStockViewController.h"

#include <QPushButton>

namespace app {

namespace {

constexpr int kWaitMs = 15000;

} // namespace

bool Tour::openSection(const QString& objectName, ui::ViewController* expected) {
    QPushButton* button = m_app.mainViewController()->sectionButton(objectName);
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    button->click();
    return m_app.navigator().topController() == expected;
}

// A price list asks once (its first look of the day may already have) and waits for its rows.
QString Tour::refreshPriceList(world::PriceListScreen& list, const QString& name) {
    if (!list.isRequestOutstanding()) {
        list.reload();
    }
    if (!waitUntil([&list] { return !list.isRequestOutstanding() && !list.rows().empty(); }, kWaitMs)) {
        return QStringLiteral("the %1 list stayed empty (alert: \"%2\")").arg(name, m_app.alerts().currentMessage());
    }
    return {};
}

QString Tour::refreshGold(world::GoldScreen& gold, const QString& name) {
    gold.reload();
    if (!waitUntil([&gold] { return !gold.isRequestOutstanding() && !gold.storedTexts().isEmpty(); }, kWaitMs)) {
        return QStringLiteral("the %1 screen got no prices (alert: \"%2\")").arg(name, m_app.alerts().currentMessage());
    }
    return {};
}

QString Tour::walkWorld() {
    auto* indices = m_app.cachedScreen<world::WorldStockViewController>();
    if (!openSection(QStringLiteral("btCKTG"), indices)) {
        return QStringLiteral("the world indices did not open");
    }
    QString failure = refreshPriceList(*indices, QStringLiteral("world index"));
    if (!failure.isEmpty()) {
        return failure;
    }
    snap(QStringLiteral("world-indices"));
    indices->toggleOC();
    snap(QStringLiteral("world-indices-asia"));
    indices->toggleEU();
    m_app.navigator().popToRoot(false);
    return walkGold();
}

QString Tour::walkGold() {
    auto* worldGold = m_app.cachedScreen<world::WorldGoldViewController>();
    if (!openSection(QStringLiteral("btVang"), worldGold)) {
        return QStringLiteral("the gold screen did not open");
    }
    QString failure = refreshGold(*worldGold, QStringLiteral("world gold"));
    if (!failure.isEmpty()) {
        return failure;
    }
    snap(QStringLiteral("world-gold"));
    worldGold->goACB();
    auto* bankGold = m_app.cachedScreen<world::ACBGoldViewController>();
    if (m_app.navigator().topController() != bankGold) {
        return QStringLiteral("the bank gold screen did not open");
    }
    failure = refreshGold(*bankGold, QStringLiteral("bank gold"));
    if (!failure.isEmpty()) {
        return failure;
    }
    snap(QStringLiteral("bank-gold"));
    m_app.navigator().popToRoot(false);
    return walkPrices();
}

QString Tour::walkGoldPremium() {
    auto* worldGold = m_app.cachedScreen<world::WorldGoldViewController>();
    if (!openSection(QStringLiteral("btVang"), worldGold)) {
        return QStringLiteral("the gold screen did not open");
    }
    worldGold->goACB();
    if (m_app.navigator().topController() != m_app.cachedScreen<world::ACBGoldViewController>()) {
        return QStringLiteral("the bank gold screen did not open");
    }
    snap(QStringLiteral("bank-gold-premium"));
    m_app.navigator().popToRoot(false);
    return {};
}

QString Tour::walkPrices() {
    auto* goods = m_app.cachedScreen<world::GoodsViewController>();
    if (!openSection(QStringLiteral("btHanghoa"), goods)) {
        return QStringLiteral("the commodities did not open");
    }
    QString failure = refreshPriceList(*goods, QStringLiteral("commodity"));
    if (!failure.isEmpty()) {
        return failure;
    }
    snap(QStringLiteral("commodities"));
    m_app.navigator().popToRoot(false);

    auto* rates = m_app.cachedScreen<world::ExchangeViewController>();
    if (!openSection(QStringLiteral("btTyGia"), rates)) {
        return QStringLiteral("the exchange rates did not open");
    }
    failure = refreshPriceList(*rates, QStringLiteral("exchange rate"));
    if (!failure.isEmpty()) {
        return failure;
    }
    snap(QStringLiteral("exchange-rates-acb"));
    rates->toggleOC();
    snap(QStringLiteral("exchange-rates-world"));
    rates->toggleEU();
    m_app.navigator().popToRoot(false);
    return {};
}

} // namespace app
