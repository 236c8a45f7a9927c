#pragma once

class myDb;

namespace core {

/// Prepares the working database the way every start does: the seed copied on the first run or
/// the file vacuumed later, then, in one transaction, the rows older than the kept history
/// purged and the local copy of the portfolios emptied (the service refills it after login).
void prepareStoreAtStartup(myDb& db, int today);

/// The start-up purge alone, in its one transaction, for a store already prepared with initDb.
void purgeAtStartup(myDb& db, int today);

} // namespace core
