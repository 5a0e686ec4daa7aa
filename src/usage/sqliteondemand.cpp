// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's shared SQLite, loaded when the store is first used, not as the
// program starts: a start that opens no page spends nothing on the store, and
// the library is still Debian's own, with its fixes. The functions of SQLite's
// C API that the store calls are defined here and hand each call on to the
// library's own, looked up once. Without the library, the store fails as it
// does on a file it cannot open, and says why.
#include <sqlite3.h>

#include "base/ondemand.h"

#include <dlfcn.h>

namespace {

constexpr const char *kLibrary = "libsqlite3.so.0";
constexpr const char *kMissing = "libsqlite3.so.0 could not be loaded";

// Opened once for every function, on the first call of any.
void *Library()
{
    static void *const library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    return library;
}

} // namespace

int sqlite3_open_v2(const char *file, sqlite3 **db, int flags, const char *vfs)
{
    *db = nullptr;
    BENCHLIST_HAND_ON(Library(), sqlite3_open_v2, SQLITE_CANTOPEN, file, db, flags, vfs);
}

int sqlite3_close_v2(sqlite3 *db)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_close_v2, SQLITE_OK, db);
}

int sqlite3_busy_timeout(sqlite3 *db, int ms)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_busy_timeout, SQLITE_OK, db, ms);
}

int sqlite3_exec(sqlite3 *db, const char *sql, int (*callback)(void *, int, char **, char **),
                 void *argument, char **error)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_exec, SQLITE_CANTOPEN, db, sql, callback, argument, error);
}

int sqlite3_prepare_v2(sqlite3 *db, const char *sql, int bytes, sqlite3_stmt **statement,
                       const char **tail)
{
    *statement = nullptr;
    BENCHLIST_HAND_ON(Library(), sqlite3_prepare_v2, SQLITE_CANTOPEN, db, sql, bytes, statement,
                      tail);
}

int sqlite3_finalize(sqlite3_stmt *statement)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_finalize, SQLITE_OK, statement);
}

int sqlite3_reset(sqlite3_stmt *statement)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_reset, SQLITE_OK, statement);
}

int sqlite3_clear_bindings(sqlite3_stmt *statement)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_clear_bindings, SQLITE_OK, statement);
}

int sqlite3_bind_int64(sqlite3_stmt *statement, int at, sqlite3_int64 value)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_bind_int64, SQLITE_CANTOPEN, statement, at, value);
}

int sqlite3_bind_text(sqlite3_stmt *statement, int at, const char *text, int bytes,
                      void (*release)(void *))
{
    BENCHLIST_HAND_ON(Library(), sqlite3_bind_text, SQLITE_CANTOPEN, statement, at, text, bytes,
                      release);
}

int sqlite3_step(sqlite3_stmt *statement)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_step, SQLITE_CANTOPEN, statement);
}

sqlite3_int64 sqlite3_column_int64(sqlite3_stmt *statement, int column)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_column_int64, 0, statement, column);
}

const unsigned char *sqlite3_column_text(sqlite3_stmt *statement, int column)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_column_text, nullptr, statement, column);
}

int sqlite3_column_bytes(sqlite3_stmt *statement, int column)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_column_bytes, 0, statement, column);
}

int sqlite3_column_type(sqlite3_stmt *statement, int column)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_column_type, SQLITE_NULL, statement, column);
}

sqlite3_int64 sqlite3_last_insert_rowid(sqlite3 *db)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_last_insert_rowid, 0, db);
}

int sqlite3_extended_errcode(sqlite3 *db)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_extended_errcode, SQLITE_CANTOPEN, db);
}

const char *sqlite3_errmsg(sqlite3 *db)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_errmsg, kMissing, db);
}

const char *sqlite3_errstr(int code)
{
    BENCHLIST_HAND_ON(Library(), sqlite3_errstr, kMissing, code);
}
