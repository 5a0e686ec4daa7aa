// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the store of opened pages holds, read from its file itself, past the
// cache of any store: how the tests count the uses kept.
#pragma once

#include <QString>

#include <sqlite3.h>

#include <cstdint>

namespace benchlist::testing {

// A number the query gives, or -1 when the file cannot be read.
inline std::int64_t Ask(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    std::int64_t value = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK
            && sqlite3_step(st) == SQLITE_ROW)
            value = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return value;
}

inline std::int64_t UsesKept(const QString &path)
{
    return Ask(path, "SELECT count(*) FROM uses");
}

} // namespace benchlist::testing
