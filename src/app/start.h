// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting Qt. Where no display opens, Qt would end the program with an abort;
// it ends instead with status 1 and one line naming the displays tried.
#pragma once

#include <QByteArrayList>
#include <QFont>
#include <QStringList>

#include <vector>

namespace benchlist {

// Qt's own words from the command line, kept for the application object,
// which takes out those it knows.
class QtArguments {
public:
    explicit QtArguments(const QStringList &words);
    int &Count() { return count_; }
    char **Words() { return pointers_.data(); }
    // The first word Qt left, which was not one of its own; null when none is.
    const char *Unexpected() const { return count_ > 1 ? pointers_[1] : nullptr; }

private:
    QByteArrayList words_;
    std::vector<char *> pointers_;
    int count_ = 0;
};

// Before the application object exists, given Qt's words: the platforms to
// try, and what Qt says while it starts held back.
void PrepareDisplay(const QStringList &qtArguments);
// Once it exists: the environment as it was, and what Qt said given out.
void DisplayOpened();

// Once the display is open: the program's name, version and desktop entry,
// its font and how it caches drawings.
void SetUpApplication(const QFont &font);

// A switch for timing start-up from outside: with BENCH_EXIT_AFTER_PAINT=1 in
// the environment the program ends, with status 0, as soon as its first frame
// has reached the display server. Call once the application object exists.
void ExitAfterFirstFrameIfAsked();

} // namespace benchlist
