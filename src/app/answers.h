// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program answers on standard output, with no display: each answer
// takes its option's words and returns the exit status. A write that fails,
// to a full disk say, is said in one line and ends with status 1.
#pragma once

#include <QStringList>

#include <string>

namespace benchlist {

// Writes the text to standard output and flushes it: 0, or 1 after one line
// on standard error.
int PrintAnswer(const std::string &text);

int AnswerList(const QStringList &words);
// Writes the bookmark file the first word names, or with "-" prints it.
int AnswerExportBookmarks(const QStringList &words);
// The categories the words find, best first; status 3 when none has every word.
int AnswerFindWords(const QStringList &words);
// The pages opened last, newest first, in --find's columns.
int AnswerRecent(const QStringList &words);
// Deletes every page kept, whether remembering is on or off.
int AnswerForget(const QStringList &words);
int AnswerVersion(const QStringList &words);
// The shops built in, the catalogue first: id, name and search address, tab-separated.
int AnswerShops(const QStringList &words);

} // namespace benchlist
