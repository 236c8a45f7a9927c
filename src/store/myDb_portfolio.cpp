// Portfolio tables (a local copy of what the service keeps) and the device's own watch list.
#include "store/Transaction.h"
#include "store/myDb.h"

using store::SqlValue;

void myDb::updatePorfilio(const QString& id, const QString& day, const QString& name) {
    query(QStringLiteral("delete from portfolio where id=?1"), {id});
    query(QStringLiteral("insert into portfolio (id,day,name) values (?1,?2,?3)"), {id, day, name});
}

void myDb::updatePorfilioData(const QString& id, const QString& portfoliodataId, const QString& companyId,
                              const QString& price, const QString& quantity, const QString& up, const QString& down,
                              const QString& percent) {
    query(QStringLiteral("delete from portfoliodata where portfoliodataId=?1 and companyId=?2"),
          {portfoliodataId, companyId});
    query(QStringLiteral("insert into portfoliodata (id,portfoliodataId,companyId,price,quantity,up,down,percent) "
                         "values (?1,?2,?3,?4,?5,?6,?7,?8)"),
          {id, portfoliodataId, companyId, price, quantity, up, down, percent});
}

void myDb::removePorfilio(const QString& id) {
    query(QStringLiteral("delete from portfolio where id=?1"), {id});
}

void myDb::removePorfilioData(const QString& portfoliodataId) {
    query(QStringLiteral("delete from portfoliodata where portfoliodataId=?1"), {portfoliodataId});
}

void myDb::addWatchList(const QString& id, const QString& code) {
    // The list lives only on this device: adding a stock already on it must not lose it when the
    // insert after the delete fails.
    writeTogether([this, &id, &code] {
        return query(QStringLiteral("delete from watchlist where id=?1 and code=?2"), {id, code}) &&
               query(QStringLiteral("insert into watchlist (id,code) values (?1,?2)"), {id, code});
    });
}

void myDb::removeWatchList(const QString& id, const QString& code) {
    query(QStringLiteral("delete from watchlist where id=?1 and code=?2"), {id, code});
}

void myDb::getDirList(QStringList& names, QStringList& ids) {
    names.clear();
    ids.clear();
    const QStringList columns = readColumns(QStringLiteral("select id,name from portfolio order by name"), {});
    for (qsizetype i = 0; i + 1 < columns.size(); i += 2) {
        ids.append(columns.at(i));
        names.append(columns.at(i + 1));
    }
}

// The holding id closes the row, after the fields the screens read by position: the screens
// pair each holding with the quote row of the same holding id.
QStringList myDb::getPortfolioScreen2data(const QString& id) {
    return readRows(QStringLiteral("select company.code,company.id,portfolio.day,portfoliodata.price,portfoliodata.up,"
                                   "portfoliodata.down, portfoliodata.quantity,portfoliodata.percent,"
                                   "portfoliodata.portfoliodataId from "
                                   "company,portfoliodata,portfolio where portfolio.id=portfoliodata.id and  "
                                   "portfoliodata.companyId= company.id and portfoliodata.id=?1 order by company.code"),
                    {id});
}

QStringList myDb::getPortfolioFromPortDataId(const QString& portfoliodataId) {
    // The percent column is selected but, as the holding form expects, not part of the row.
    const QStringList columns = readColumns(
        QStringLiteral(
            "select company.code,company.id,portfolio.name,portfolio.day,portfoliodata.price,"
            "portfoliodata.up,portfoliodata.down, portfoliodata.quantity,portfoliodata.percent from "
            "company,portfoliodata,portfolio where portfolio.id=portfoliodata.id and  "
            "portfoliodata.companyId= company.id and portfoliodata.portfoliodataId=?1 order by company.code"),
        {portfoliodataId});
    constexpr qsizetype kSelected = 9;
    constexpr qsizetype kReturned = 8;
    QStringList rows;
    for (qsizetype i = 0; i + kSelected <= columns.size(); i += kSelected) {
        rows.append(columns.mid(i, kReturned).join(QLatin1Char(',')));
    }
    return rows;
}

QStringList myDb::getPortfolioCompanydata(const QString& id, int day) {
    const int quoteDay = readLastInt(QStringLiteral("select max(day) from companydata where day<=?1"), {qint64{day}});
    return readRows(
        QStringLiteral("select company.code,company.id,companydata.day,companydata.price,companydata.updown,"
                       "companydata.percent, companydata.quantity, portfoliodata.portfoliodataId from "
                       "company,companydata,portfoliodata where portfoliodata.companyId= company.id and "
                       "company.id=companydata.id and companydata.day=?1 and portfoliodata.id=?2 order by "
                       "company.code"),
        {qint64{quoteDay}, id});
}

int myDb::getPreDayPortfolio(int day) {
    return readLastInt(QStringLiteral("select min(day) from companydata where day>?1"), {qint64{day}});
}

int myDb::getNextDayPortfolio(int day) {
    return readLastInt(QStringLiteral("select max(day) from companydata where day<?1"), {qint64{day}});
}

// Every watched stock, each with its own latest stored quote: a stock without a quote on the
// store's latest day (not yet traded, or added from an older list) is listed all the same, its
// quote fields empty when the store has none at all.
QStringList myDb::getWatchListData() {
    return readRows(
        QStringLiteral("select watchlist.code,watchlist.id,companydata.day,companydata.price,companydata.updown,"
                       "companydata.percent,companydata.quantity,companydata.minute from watchlist left join "
                       "companydata on companydata.id=watchlist.id and companydata.day=(select max(day) from "
                       "companydata where id=watchlist.id) order by watchlist.code"),
        {});
}

QString myDb::getCompanyWatchList() {
    const QStringList ids = readColumns(QStringLiteral("select id from watchlist"), {});
    return ids.isEmpty() ? QString() : ids.join(QLatin1Char(','));
}

bool myDb::isExistWatchList(const QString& id, const QString& code) {
    return readLastInt(QStringLiteral("select count(*) from watchlist where id=?1 and code=?2"), {id, code}) > 0;
}
