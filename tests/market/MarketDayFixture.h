#pragma once

#include "MarketResultFixture.h"

namespace testsupport {

/// The results screen's fixture with a known trading day of company quotes stored on both
/// exchanges (today):
///
/// HoSE: AAA +7.0 % at its ceiling, BBB +5.26 %, CCC unchanged, DDD -7.0 % at its floor,
/// EEE -1.32 %, FFF +1.18 % untraded, and GGG without a price; HNX: HHH +2.5 %.
class MarketDayTest : public MarketResultTest {
protected:
    void SetUp() override {
        MarketResultTest::SetUp();
        store(kHoSE, kToday, 1250, 300);
        store(kHNX, kToday, 240, 80);
        storeCompany(kHoSE, 11, "AAA", "27.5", "1.8", "7.0", "1000", "27.5", "23.9");
        storeCompany(kHoSE, 12, "BBB", "10", "0.5", "5.26", "5000");
        storeCompany(kHoSE, 13, "CCC", "20", "0", "0", "300");
        storeCompany(kHoSE, 14, "DDD", "9.3", "-0.7", "-7.0", "8000", "10.7", "9.3");
        storeCompany(kHoSE, 15, "EEE", "15", "-0.2", "-1.32", "5000");
        storeCompany(kHoSE, 16, "FFF", "30", "0.35", "1.18", "0");
        storeCompany(kHoSE, 17, "GGG", "", "", "", "");
        storeCompany(kHNX, 21, "HHH", "12", "0.3", "2.5", "100");
    }

    /// One listed company and its quote of `day` (today unless given).
    void storeCompany(int stockId, int id, const char* code, const char* price, const char* change, const char* percent,
                      const char* volume, const char* ceiling = "", const char* floor = "", int day = kToday) {
        myDb& db = *app().db();
        const QString exchange = QString::number(stockId);
        const QString companyId = QString::number(id);
        db.updateCompanyList(exchange, QString::number(day), companyId, QString::fromLatin1(code), QString());
        db.updateCompanyLastData(exchange, QString::number(day), QStringLiteral("150"), QString::fromLatin1(change),
                                 QString::fromLatin1(percent), companyId, QString::fromLatin1(price),
                                 QString::fromLatin1(volume), QString(), QString(), QString(), QString(), QString(),
                                 QString::fromLatin1(ceiling), QString::fromLatin1(floor), QString(), QString());
    }
};

} // namespace testsupport
