#pragma once

struct sqlite3;

namespace store {

/// Gives a working file made before the end-of-day tables had unique keys those keys, in place
/// and in one transaction: the duplicates of a key are removed first, keeping the row written
/// last (the one the delete-then-insert writers would have kept), then the unique index replaces
/// the plain one. A file that has the keys already is left alone. False when the file could not
/// be migrated; it is then unchanged.
bool addUniqueKeys(sqlite3* db);

} // namespace store
