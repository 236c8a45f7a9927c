// News, finance and price tables: what the information screens download and show again.
#include "store/myDb.h"

using store::SqlValue;

void myDb::updateNews(const QString& id, const QString& day, const QString& minute, const QString& title,
                      const QString& content) {
    query(QStringLiteral("delete from news where day=?1 and minute=?2 and id=?3 and title=?4"),
          {day, minute, id, title});
    query(QStringLiteral("insert into news (id,day,minute,title,content) values (?1,?2,?3,?4,?5)"),
          {id, day, minute, title, content});
}

void myDb::updateFinance(const QString& id, const QString& EPS, const QString& PE, const QString& BV, const QString& BP,
                         const QString& layoutId, const QString& price, const QString& differ, const QString& percent,
                         const QString& day) {
    query(QStringLiteral("delete from finance where id=?1"), {id});
    query(QStringLiteral("insert into finance (id,EPS,PE,BV,BP,layoutId,price,differ,percent,day) values "
                         "(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)"),
          {id, EPS, PE, BV, BP, layoutId, price, differ, percent, qint64{day.toInt()}});
}

void myDb::updateFinanceData(const QString& id, const QString& quarter, const QString& year, const QString& TTS,
                             const QString& VCSH, const QString& DTT, const QString& LNST, const QString& layoutId) {
    query(QStringLiteral("delete from financedata where id=?1 and quarter=?2 and year=?3"), {id, quarter, year});
    query(QStringLiteral("insert into financedata (id,quarter,year,TTS,VCSH,DTT,LNST,layoutId) values "
                         "(?1,?2,?3,?4,?5,?6,?7,?8)"),
          {id, quarter, year, TTS, VCSH, DTT, LNST, layoutId});
}

bool myDb::updateGoods(const QString& id, const QString& day, const QString& minute, const QString& price,
                       const QString& updown, const QString& percent) {
    return query(QStringLiteral("delete from realtime_goods where id=?1"), {id}) &&
           query(QStringLiteral(
                     "insert into realtime_goods (id,day,minute,price,updown,percent) values (?1,?2,?3,?4,?5,?6)"),
                 {id, day, minute, price, updown, percent});
}

bool myDb::updateWorldStock(const QString& id, const QString& day, const QString& minute, const QString& point,
                            const QString& updown, const QString& percent) {
    return query(QStringLiteral("delete from realtime_worldstock where id=?1"), {id}) &&
           query(QStringLiteral(
                     "insert into realtime_worldstock (id,day,minute,point,updown,percent) values (?1,?2,?3,?4,?5,?6)"),
                 {id, day, minute, point, updown, percent});
}

bool myDb::updateExchange(const QString& id, const QString& day, const QString& minute, const QString& price,
                          const QString& buy, const QString& sell) {
    return query(QStringLiteral("delete from realtime_exchange where id=?1"), {id}) &&
           query(QStringLiteral(
                     "insert into realtime_exchange (id,day,minute,price,buy,sell) values (?1,?2,?3,?4,?5,?6)"),
                 {id, day, minute, price, buy, sell});
}

bool myDb::addRealtimeGoldData(int feedId, const QString& day, const QString& data, int order) {
    return query(QStringLiteral("delete from realtime_gold where id=?1 and [order]>=?2"),
                 {qint64{feedId}, qint64{order}}) &&
           query(QStringLiteral("insert into realtime_gold (id,day,data,[order]) values (?1,?2,?3,?4)"),
                 {qint64{feedId}, day, data, qint64{order}});
}

QStringList myDb::getCompanyNews(const QString& id) {
    const QString companyId = id == QLatin1String(" ") ? QStringLiteral("0") : id;
    return readRows(QStringLiteral("select day,minute,id,title,content from news where id=?1 order by day desc ,minute "
                                   "desc limit 0,20"),
                    {companyId});
}

QStringList myDb::getFincance(const QString& id) {
    return readRows(QStringLiteral("select id,EPS,PE,BV,BP,layoutId,price,differ,percent,day from finance where id=?1"),
                    {id});
}

QStringList myDb::getFincanceData(const QString& id) {
    // Newest first, a year's whole-year row (quarter 5) before its quarters: the statements are
    // paged two periods at a time from the newest, whatever order the service sent them in.
    return readRows(QStringLiteral("select id,quarter,year,TTS,VCSH,DTT,LNST,layoutId from financedata where id=?1 "
                                   "order by cast(year as integer) desc, cast(quarter as integer) desc"),
                    {id});
}

QStringList myDb::getGoods() {
    return readRows(QStringLiteral("select realtime_goods.id, goods.name, realtime_goods.day, realtime_goods.minute, "
                                   "realtime_goods.price, realtime_goods.updown, realtime_goods.percent from "
                                   "realtime_goods,goods where goods.id=realtime_goods.id order by goods.id"),
                    {});
}

QStringList myDb::getWorldStock(int group) {
    const QString select = QStringLiteral(
        "select realtime_worldstock.id, worldstock.name, realtime_worldstock.day, realtime_worldstock.minute, "
        "realtime_worldstock.point, realtime_worldstock.updown, realtime_worldstock.percent from "
        "realtime_worldstock,worldstock where worldstock.id=realtime_worldstock.id and ");
    const QString order = QStringLiteral(
        " order by realtime_worldstock.day desc,realtime_worldstock.minute desc, realtime_worldstock.id");
    const QString filter = group == 0 ? QStringLiteral("worldstock.id<6") : QStringLiteral("worldstock.id>5");
    return readRows(select + filter + order, {});
}

QStringList myDb::getExchange(int group) {
    const QString select = QStringLiteral(
        "select realtime_exchange.id, exchange.name, realtime_exchange.day, realtime_exchange.minute, "
        "realtime_exchange.price, realtime_exchange.buy, realtime_exchange.sell from realtime_exchange,exchange where "
        "exchange.id=realtime_exchange.id and ");
    const QString filter = group == 1 ? QStringLiteral("exchange.id<9") : QStringLiteral("exchange.id>8");
    return readRows(select + filter + QStringLiteral(" order by exchange.id"), {});
}

QStringList myDb::getRealtimeGoldData(int feedId) {
    return readRows(QStringLiteral("select data from realtime_gold where id=?1 and day=(select max(day) from "
                                   "realtime_gold where id=?1) order by [order]"),
                    {qint64{feedId}});
}
