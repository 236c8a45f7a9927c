#pragma once

#include "store/SqlValue.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <unordered_map>

struct sqlite3;

namespace store {
class Statement;
}

/// The program's one local store: the working SQLite file in the data folder, seeded from the
/// database shipped as a resource, with every table operation the screens use.
///
/// The connection discipline is the one the screens were written against: open/close around
/// each operation, `close` a no-op until the first committed transaction, exclusive
/// transactions that every write joins. The SQLite handle itself stays open for the object's
/// life, and statements are prepared once, so "closing" costs nothing and a screen writing on
/// the UI thread never waits for a file to be reopened.
class myDb final {
public:
    /// dataDir holds the working file; seedPath is the shipped seed (a resource path or a file).
    explicit myDb(QString dataDir, QString seedPath = QStringLiteral(":/db.sqlite"));
    ~myDb();
    myDb(const myDb&) = delete;
    myDb& operator=(const myDb&) = delete;

    // ---- file, connection, transactions ----------------------------------------------------

    /// The version of the SQLite library in use (not the one built against).
    static QString engineVersion();
    /// Full path of the working database.
    QString dataFilePath() const;
    /// Copies the seed on first run (owner-only permissions); on later runs brings the file's
    /// tables up to this version's keys, then vacuums it.
    void initDb();
    /// Opens the connection; true when it is (or already was) open.
    bool open();
    /// Marks the connection closed when a committed transaction allowed it; always true.
    bool close();
    /// "BEGIN EXCLUSIVE TRANSACTION" on the open connection; false inside a transaction.
    bool beginTransactionWithDatabase();
    /// "COMMIT TRANSACTION", then close; false (and still open) when the commit failed.
    bool endTransactionWithDatabase();
    /// "ROLLBACK TRANSACTION" when a transaction is open, then close: its writes are undone.
    bool rollbackTransactionWithDatabase();
    /// True while a transaction is open on the connection.
    bool isInTransaction() const;
    /// Runs one statement with bound values; true when it ran to its end. A failure changes
    /// nothing, and callers that do not care ignore it.
    bool query(const QString& sql, std::initializer_list<store::SqlValue> values = {});
    /// Vacuums the working file.
    void shrink();

    bool isOpen() const { return m_isOpen; }
    void setIsOpen(bool isOpen) { m_isOpen = isOpen; }
    bool isNeedClose() const { return m_isNeedClose; }
    void setIsNeedClose(bool isNeedClose) { m_isNeedClose = isNeedClose; }

    // ---- settings and user ---------------------------------------------------------------

    /// The setting row as "account_visible,check_version,update_type,dir_warning,day_store".
    QStringList getSetting();
    void setSetting(int accountVisible, int check, const QString& updateType, int dirWarning, int day_store);
    /// Appends username, password and session of the saved user (three empty texts if none).
    void getUserInfo(QStringList& info);
    /// Replaces the saved user.
    void setUserInfo(const QString& username, const QString& password, const QString& session);

    // ---- purge -----------------------------------------------------------------------------

    /// Drops the rows older than the kept history (day_store days), the market overview's
    /// stored answers among them, and the other intraday rows of days before today.
    void removeCache(int today);
    /// Empties the local copy of the portfolios.
    void makePorfolioEmpty();

    // ---- market and company tables ---------------------------------------------------------

    // Writers return true when every statement ran; screens ignore it, the full update rolls
    // back the day it is storing on the first false.

    bool updateStockInfo(const QString& stockId, const QString& differ, const QString& percent, const QString& minute,
                         const QString& point, const QString& yesterdaypoint, const QString& value,
                         const QString& quantity, const QString& day);
    bool updateCompanyList(const QString& stockId, const QString& day, const QString& id, const QString& code,
                           const QString& name);
    bool updateCompanyLastData(const QString& stockId, const QString& day, const QString& minute, const QString& updown,
                               const QString& percent, const QString& _id, const QString& price,
                               const QString& quantity, const QString& refer, const QString& open, const QString& close,
                               const QString& bqBuy, const QString& bqSell, const QString& ceil, const QString& floor,
                               const QString& buyRes, const QString& sellRes);
    void updateCompanyRealtimeData(const QString& stockId, const QString& day, const QString& minute,
                                   const QString& updown, const QString& percent, const QString& _id,
                                   const QString& price, const QString& quantity, const QString& refer,
                                   const QString& open, const QString& close, const QString& bqBuy,
                                   const QString& bqSell, const QString& ceil, const QString& floor,
                                   const QString& buyRes, const QString& sellRes);
    void updateMinuteCompanyData(const QString& id, const QString& day, const QString& minute, const QString& point,
                                 const QString& quantity);
    /// Stores an overview answer of the day under its order, replacing the day's answers from
    /// that order on.
    void addRealtimeData(const QString& day, const QString& data, int order);
    void updateVisibleAttr(const QString& code, const QString& visible);
    void deleteBeforeFullupdate(int day);

    QStringList getStockInfo(int day);
    int getNextDayStockInfo(int day);
    int getPreDayStockInfo(int day);
    int getLastDayUpdate();
    /// The first stored quote day of the company after day (named for the button that uses it).
    int getPreDayKQKD(const QString& id, int day);
    /// The last stored quote day of the company before day.
    int getNextDayKQKD(const QString& id, int day);
    QStringList getCompanydata(int stockId);
    QStringList getCompanydataWithDay(int stockId, int day);
    /// The stored quotes of an exchange's listed companies on exactly that day, ordered by code:
    /// "code,id,price,updown,percent,quantity,refer,ceil,floor"; empty when the day has none.
    QStringList getCompanyResultsOfDay(int stockId, int day);
    /// 18 texts per matching row, not joined.
    QStringList getCompanyDetailData(const QString& code, int day);
    /// The reference, ceiling and floor of a company's quote of that day, three texts not
    /// joined; empty when the store holds no such quote.
    QStringList getPriceLimits(const QString& id, int day);
    /// Every company's reference, ceiling and floor of that day, each as "id,refer,ceil,floor".
    QStringList getPriceLimitsOfDay(int day);
    QStringList getGraphCompanyData(const QString& code, int day);
    QStringList getRealtimeData(int day);
    QStringList getMinuteCompanyData(const QString& id);
    QString getIdFromCode(const QString& code);
    QString getCodeFromId(const QString& id);
    QString getStockMarkFromId(const QString& id);
    QStringList getAllCompanyCodeList(int stockId);
    /// Every stored company's name by its code (the lists filter by name too).
    QHash<QString, QString> getCompanyNames();
    QStringList getAllCompanyVisibleAttrList(int stockId);

    // ---- news, finance and prices ----------------------------------------------------------

    void updateNews(const QString& id, const QString& day, const QString& minute, const QString& title,
                    const QString& content);
    void updateFinance(const QString& id, const QString& EPS, const QString& PE, const QString& BV, const QString& BP,
                       const QString& layoutId, const QString& price, const QString& differ, const QString& percent,
                       const QString& day);
    void updateFinanceData(const QString& id, const QString& quarter, const QString& year, const QString& TTS,
                           const QString& VCSH, const QString& DTT, const QString& LNST, const QString& layoutId);
    /// The price writers replace the stored row of the id; true when both statements ran.
    bool updateGoods(const QString& id, const QString& day, const QString& minute, const QString& price,
                     const QString& updown, const QString& percent);
    bool updateWorldStock(const QString& id, const QString& day, const QString& minute, const QString& point,
                          const QString& updown, const QString& percent);
    bool updateExchange(const QString& id, const QString& day, const QString& minute, const QString& price,
                        const QString& buy, const QString& sell);
    /// Stores a gold answer of the feed under its order, replacing the feed's answers from that
    /// order on; true when both statements ran.
    bool addRealtimeGoldData(int feedId, const QString& day, const QString& data, int order);

    /// At most 20 articles, newest first; " " asks for the general news.
    QStringList getCompanyNews(const QString& id);
    QStringList getFincance(const QString& id);
    /// The company's statement periods, newest first (by year, then quarter; a whole year, quarter
    /// 5, before the quarters of that year).
    QStringList getFincanceData(const QString& id);
    /// The stored commodity prices in the order of the commodity table.
    QStringList getGoods();
    /// Group 0: ids 1-5; any other: ids 6 and above.
    QStringList getWorldStock(int group);
    /// Group 1: ids 1-8; any other: ids 9 and above.
    QStringList getExchange(int group);
    /// The stored answers of the feed's latest day, in order. Each feed has its own latest day:
    /// the bank quotes in office hours only, while the world price moves around the clock.
    QStringList getRealtimeGoldData(int feedId);

    // ---- portfolios and watch list ---------------------------------------------------------

    void updatePorfilio(const QString& id, const QString& day, const QString& name);
    void updatePorfilioData(const QString& id, const QString& portfoliodataId, const QString& companyId,
                            const QString& price, const QString& quantity, const QString& up, const QString& down,
                            const QString& percent);
    void removePorfilio(const QString& id);
    void removePorfilioData(const QString& portfoliodataId);
    void addWatchList(const QString& id, const QString& code);
    void removeWatchList(const QString& id, const QString& code);

    /// Clears both lists, then fills them with the categories' names and ids ordered by name.
    void getDirList(QStringList& names, QStringList& ids);
    /// The holdings of a category: "code,company id,category day,price,up,down,quantity,fee,holding id".
    QStringList getPortfolioScreen2data(const QString& id);
    QStringList getPortfolioFromPortDataId(const QString& portfoliodataId);
    QStringList getPortfolioCompanydata(const QString& id, int day);
    /// The first quote day after day (named for the button that uses it).
    int getPreDayPortfolio(int day);
    /// The last quote day before day.
    int getNextDayPortfolio(int day);
    /// Every watched stock: "code,id,day,price,change,percent,volume,minute" of its latest stored
    /// quote, the quote fields empty when it has none.
    QStringList getWatchListData();
    /// The watched company ids joined with ","; null when the list is empty.
    QString getCompanyWatchList();
    bool isExistWatchList(const QString& id, const QString& code);

    // ---- diagnostics -------------------------------------------------------------------------

    /// Every table of the working file with its number of rows, in name order.
    QList<QPair<QString, int>> tableRowCounts();

private:
    store::Statement* prepared(const QString& sql);
    /// Rows of a SELECT, each as its columns joined with ",".
    QStringList readRows(const QString& sql, std::initializer_list<store::SqlValue> values);
    /// Each column of each row as its own text.
    QStringList readColumns(const QString& sql, std::initializer_list<store::SqlValue> values);
    /// The first column of the last row, if any.
    std::optional<QString> readLast(const QString& sql, std::initializer_list<store::SqlValue> values);
    int readLastInt(const QString& sql, std::initializer_list<store::SqlValue> values);
    bool execute(const QString& sql);
    /// Runs writes that belong together so that all of them land or none: the writes' result,
    /// false when they could not be started.
    bool writeTogether(const std::function<bool()>& writes);
    bool openHandle();
    void copySeed();
    void migrate();

    QString m_dataDir;
    QString m_seedPath;
    sqlite3* m_database = nullptr;
    bool m_isOpen = false;
    bool m_isNeedClose = false;
    std::unordered_map<QString, std::unique_ptr<store::Statement>> m_statements;
};
