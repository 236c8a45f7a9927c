// Market and company tables: index days, the company list, daily and latest quotes, the market
// overview's stored answers and each company's intraday minutes.
#include "store/myDb.h"

using store::SqlValue;

namespace {

const QString kCompanyRowColumns = QStringLiteral(
    "select company.code,company.id,companydata.day,companydata.price,companydata.updown,companydata.percent,"
    " companydata.quantity,companydata.minute from company,companydata ");

} // namespace

// The three end-of-day writers store a row with one upsert on the table's unique key. Each leaves
// exactly the rows its delete-then-insert (and, for quotes, the two filling updates) used to
// leave: one row for the key, every column as given; the key columns themselves are equal by
// the conflict and are not rewritten.

bool myDb::updateStockInfo(const QString& stockId, const QString& differ, const QString& percent, const QString& minute,
                           const QString& point, const QString& yesterdaypoint, const QString& value,
                           const QString& quantity, const QString& day) {
    return query(QStringLiteral("insert into stockInfo (stockId,differ,percent,minute,point,yesterdaypoint,value,"
                                "quantity,day) values (?1,?2,?3,?4,?5,?6,?7,?8,?9) on conflict (day,stockId) do "
                                "update set differ=excluded.differ,percent=excluded.percent,minute=excluded.minute,"
                                "point=excluded.point,yesterdaypoint=excluded.yesterdaypoint,value=excluded.value,"
                                "quantity=excluded.quantity"),
                 {stockId, differ, percent, minute, point, yesterdaypoint, value, quantity, day});
}

bool myDb::updateCompanyList(const QString& stockId, const QString& day, const QString& id, const QString& code,
                             const QString& name) {
    // One list stamp per company: a company listed again under a newer stamp replaces its older
    // row, so the joins with the quotes give one row per company, and the user's "shown" choice
    // is carried over instead of falling back to the default.
    return query(QStringLiteral("insert into company (stockId,day,id,code,name,visible) values (?1,?2,?3,?4,?5,1) "
                                "on conflict (stockId,code) do update set day=excluded.day,id=excluded.id,"
                                "name=excluded.name,visible=coalesce(visible,1)"),
                 {stockId, day, id, code, name});
}

bool myDb::updateCompanyLastData(const QString& stockId, const QString& day, const QString& minute,
                                 const QString& updown, const QString& percent, const QString& _id,
                                 const QString& price, const QString& quantity, const QString& refer,
                                 const QString& open, const QString& close, const QString& bqBuy, const QString& bqSell,
                                 const QString& ceil, const QString& floor, const QString& buyRes,
                                 const QString& sellRes) {
    return query(
        QStringLiteral("insert into companydata (stockId,day,minute,updown,percent,id,price,quantity,refer,open,close,"
                       "bqBuy,bqSell,ceil,floor,buyResidue,sellResidue) values "
                       "(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16,?17) on conflict (day,id) do update "
                       "set stockId=excluded.stockId,minute=excluded.minute,updown=excluded.updown,"
                       "percent=excluded.percent,price=excluded.price,quantity=excluded.quantity,"
                       "refer=excluded.refer,open=excluded.open,close=excluded.close,bqBuy=excluded.bqBuy,"
                       "bqSell=excluded.bqSell,ceil=excluded.ceil,floor=excluded.floor,"
                       "buyResidue=excluded.buyResidue,sellResidue=excluded.sellResidue"),
        {stockId, day, minute, updown, percent, _id, price, quantity, refer, open, close, bqBuy, bqSell, ceil, floor,
         buyRes, sellRes});
}

void myDb::updateCompanyRealtimeData(const QString& stockId, const QString& day, const QString& minute,
                                     const QString& updown, const QString& percent, const QString& _id,
                                     const QString& price, const QString& quantity, const QString& refer,
                                     const QString& open, const QString& close, const QString& bqBuy,
                                     const QString& bqSell, const QString& ceil, const QString& floor,
                                     const QString& buyRes, const QString& sellRes) {
    query(QStringLiteral("delete from companyrealtimedata where id=?1 "), {_id});
    query(QStringLiteral("delete from realtime_company where day>0 and day<?1 and id=?2"), {day, _id});
    query(QStringLiteral("update realtime_company set day=?1 where id=?2"), {day, _id});
    query(QStringLiteral("insert into companyrealtimedata (stockId,day,minute,updown,percent,id,price,quantity,refer,"
                         "open,close,bqBuy,bqSell,ceil,floor,buyResidue,sellResidue) values "
                         "(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16,?17)"),
          {stockId, day, minute, updown, percent, _id, price, quantity, refer, open, close, bqBuy, bqSell, ceil, floor,
           buyRes, sellRes});
}

void myDb::updateMinuteCompanyData(const QString& id, const QString& day, const QString& minute, const QString& point,
                                   const QString& quantity) {
    query(QStringLiteral("delete from realtime_company where day>0 and id=?1 and minute>=?2"), {id, minute});
    query(QStringLiteral("insert into realtime_company (id,day,minute,point,quantity) values (?1,?2,?3,?4,?5)"),
          {id, day, minute, point, quantity});
}

void myDb::addRealtimeData(const QString& day, const QString& data, int order) {
    // The overview numbers its answers within the day and starts again at 0 when it reloads:
    // what that replaces are the day's own answers, never an earlier day's, which the market
    // history shows.
    query(QStringLiteral("delete from realtime where day=?1 and [order]>=?2"), {day, qint64{order}});
    query(QStringLiteral("insert into realtime (day,data,[order]) values (?1,?2,?3)"), {day, data, qint64{order}});
}

void myDb::updateVisibleAttr(const QString& code, const QString& visible) {
    query(QStringLiteral("update company set visible=?1 where code=?2"), {visible, code});
}

void myDb::deleteBeforeFullupdate(int day) {
    query(QStringLiteral("delete from stockInfo where day>=?1"), {qint64{day}});
    query(QStringLiteral("delete from companydata where day>=?1"), {qint64{day}});
}

QStringList myDb::getStockInfo(int day) {
    return readRows(QStringLiteral("select stockId,day,point,quantity,value,differ,percent from stockInfo where "
                                   "day>=?1 and day<=?2 order by day"),
                    {qint64{day} - 60, qint64{day}});
}

int myDb::getNextDayStockInfo(int day) {
    return readLastInt(QStringLiteral("select min(day) from stockInfo where day>?1 "), {qint64{day}});
}

int myDb::getPreDayStockInfo(int day) {
    return readLastInt(QStringLiteral("select max(day) from stockInfo where day<?1 "), {qint64{day}});
}

int myDb::getLastDayUpdate() {
    return readLastInt(QStringLiteral("select max(day) from stockInfo"), {});
}

int myDb::getPreDayKQKD(const QString& id, int day) {
    return readLastInt(QStringLiteral("select min(day) from companydata where day>?1 and id=?2"), {qint64{day}, id});
}

int myDb::getNextDayKQKD(const QString& id, int day) {
    return readLastInt(QStringLiteral("select max(day) from companydata where day<?1 and id=?2"), {qint64{day}, id});
}

QStringList myDb::getCompanydata(int stockId) {
    return readRows(kCompanyRowColumns +
                        QStringLiteral("where company.id=companydata.id and companydata.day=(select max(day) from "
                                       "companydata) and company.stockId=?1 order by company.code"),
                    {qint64{stockId}});
}

QStringList myDb::getCompanydataWithDay(int stockId, int day) {
    const int indexDay = getPreDayStockInfo(day + 1);
    return readRows(kCompanyRowColumns + QStringLiteral("where company.id=companydata.id and companydata.day=?1 and "
                                                        "company.stockId=?2 order by company.code"),
                    {qint64{indexDay}, qint64{stockId}});
}

QStringList myDb::getPriceLimits(const QString& id, int day) {
    return readColumns(QStringLiteral("select refer,ceil,floor from companydata where day=?1 and id=?2"),
                       {qint64{day}, id});
}

QStringList myDb::getPriceLimitsOfDay(int day) {
    return readRows(QStringLiteral("select id,refer,ceil,floor from companydata where day=?1"), {qint64{day}});
}

// Unlike the company list, a day without quotes does not fall back to an earlier one: what is
// counted or ranked from these rows is presented as that day's.
QStringList myDb::getCompanyResultsOfDay(int stockId, int day) {
    return readRows(QStringLiteral("select company.code,company.id,companydata.price,companydata.updown,"
                                   "companydata.percent,companydata.quantity,companydata.refer,companydata.ceil,"
                                   "companydata.floor from company,companydata where company.id=companydata.id and "
                                   "companydata.day=?1 and company.stockId=?2 order by company.code"),
                    {qint64{day}, qint64{stockId}});
}

QStringList myDb::getCompanyDetailData(const QString& code, int day) {
    int quoteDay = day;
    const std::optional<QString> lastDay = readLast(
        QStringLiteral(
            "select max(companydata.day) from companydata,company where company.id=companydata.id and company.code=?1"),
        {code});
    if (lastDay && !lastDay->isEmpty() && lastDay->toInt() < quoteDay) {
        quoteDay = lastDay->toInt();
    }
    return readColumns(
        QStringLiteral("select company.code,company.id,companydata.stockId,companydata.day,companydata.updown,"
                       "companydata.percent,companydata.id,companydata.price,companydata.quantity,companydata.refer,"
                       "companydata.open,companydata.close,companydata.bqBuy,companydata.bqSell,companydata.ceil,"
                       "companydata.floor,companydata.buyResidue,companydata.sellResidue from company,companydata "
                       "where company.id=companydata.id and companydata.day=?1 and company.code=?2 order by "
                       "company.code"),
        {qint64{quoteDay}, code});
}

QStringList myDb::getGraphCompanyData(const QString& code, int day) {
    return readRows(QStringLiteral("select companydata.day,companydata.price,companydata.quantity from "
                                   "company,companydata where company.id=companydata.id and company.code=?1 and "
                                   "companydata.day>=?2 and companydata.day<=?3 order by companydata.day"),
                    {code, qint64{day} - 30, qint64{day}});
}

QStringList myDb::getRealtimeData(int day) {
    int storedDay = day;
    const std::optional<QString> lastDay = readLast(QStringLiteral("select max(day) from realtime"), {});
    if (lastDay && !lastDay->isEmpty() && lastDay->toInt() < storedDay) {
        storedDay = lastDay->toInt();
    }
    return readRows(QStringLiteral("select data from realtime where day=?1 order by [order]"), {qint64{storedDay}});
}

QStringList myDb::getMinuteCompanyData(const QString& id) {
    return readRows(
        QStringLiteral("select id,day,minute,point,quantity from realtime_company where id=?1 order by day,minute"),
        {id});
}

QString myDb::getIdFromCode(const QString& code) {
    if (code.isNull()) {
        return {};
    }
    return readLast(QStringLiteral("select id from company where code=?1"), {code}).value_or(QString());
}

QString myDb::getCodeFromId(const QString& id) {
    return readLast(QStringLiteral("select code from company where id=?1"), {id}).value_or(QString());
}

QString myDb::getStockMarkFromId(const QString& id) {
    return readLast(QStringLiteral("select stockId from company where id=?1"), {id}).value_or(QString());
}

QHash<QString, QString> myDb::getCompanyNames() {
    const QStringList columns = readColumns(QStringLiteral("select code,name from company"), {});
    QHash<QString, QString> names;
    names.reserve(columns.size() / 2);
    for (qsizetype i = 0; i + 1 < columns.size(); i += 2) {
        names.insert(columns.at(i), columns.at(i + 1));
    }
    return names;
}

QStringList myDb::getAllCompanyCodeList(int stockId) {
    return readRows(QStringLiteral("select code from company where stockId=?1 order by code"), {qint64{stockId}});
}

QStringList myDb::getAllCompanyVisibleAttrList(int stockId) {
    return readRows(QStringLiteral("select visible from company where stockId=?1 order by code"), {qint64{stockId}});
}
