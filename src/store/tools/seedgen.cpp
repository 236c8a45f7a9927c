// Build-time tool: creates the seed database from the schema script.
//   seedgen schema.sql db.sqlite
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: seedgen SCHEMA.sql OUTPUT.sqlite\n");
        return 2;
    }
    std::ifstream schemaFile(argv[1]);
    if (!schemaFile) {
        std::fprintf(stderr, "seedgen: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream schema;
    schema << schemaFile.rdbuf();
    std::remove(argv[2]);

    sqlite3* db = nullptr;
    if (sqlite3_open(argv[2], &db) != SQLITE_OK) {
        std::fprintf(stderr, "seedgen: cannot create %s\n", argv[2]);
        sqlite3_close(db);
        return 1;
    }
    char* error = nullptr;
    const std::string script = "BEGIN;\n" + schema.str() + "\nCOMMIT;";
    const int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::fprintf(stderr, "seedgen: %s\n", error ? error : "unknown error");
        sqlite3_free(error);
        sqlite3_close(db);
        std::remove(argv[2]);
        return 1;
    }
    sqlite3_close(db);
    return 0;
}
