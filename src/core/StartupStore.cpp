#include "core/StartupStore.h"

#include "store/myDb.h"

namespace core {

void prepareStoreAtStartup(myDb& db, int today) {
    db.initDb();
    purgeAtStartup(db, today);
}

void purgeAtStartup(myDb& db, int today) {
    db.open();
    db.beginTransactionWithDatabase();
    db.removeCache(today);
    db.makePorfolioEmpty();
    db.open();
    db.endTransactionWithDatabase();
    db.close();
}

} // namespace core
