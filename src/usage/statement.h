// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// SQLite's C API as the store of opened pages uses it: a prepared statement
// that is finalised when it goes, SQL run whole, and the codes of a damaged file.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace benchlist {

// One prepared statement, finalised when it goes.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql)
    {
        code_ = sqlite3_prepare_v2(db, sql, -1, &st_, nullptr);
    }
    ~Statement() { sqlite3_finalize(st_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    bool Ok() const { return code_ == SQLITE_OK; }
    int Code() const { return code_; }
    void Bind(int i, std::int64_t v) { sqlite3_bind_int64(st_, i, v); }
    void Bind(int i, const std::string &v)
    {
        sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int Step()
    {
        code_ = sqlite3_step(st_);
        return code_;
    }
    void Reset()
    {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    std::int64_t Int(int i) const { return sqlite3_column_int64(st_, i); }
    bool Null(int i) const { return sqlite3_column_type(st_, i) == SQLITE_NULL; }
    std::string Text(int i) const
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st_, i));
        return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(st_, i)))
                    : std::string();
    }

private:
    sqlite3_stmt *st_ = nullptr;
    int code_ = SQLITE_OK;
};

inline int Exec(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

inline bool Damaged(int code)
{
    code &= 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

} // namespace benchlist
