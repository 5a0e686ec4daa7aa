// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line. The first of the program's options decides what it does,
// and the words after it are that option's; every other word is Qt's, given
// to Qt when the windows open. Qt's own options are written with one dash.
#pragma once

#include <QStringList>

namespace benchlist {

enum class Takes {
    Nothing,
    Word, // the next word, or what follows '=': --find-window 'usb hub'
    Rest, // every word after it, even one that starts with a dash
};

struct Option {
    const char *name; // given as --name or -name
    Takes takes;
    const char *argument; // as --help shows it
    const char *help;
    const char *missing; // said when its words are missing; null where none are needed
    // Answers with an exit status. Null for the option that opens the windows,
    // with the find window on its word.
    int (*answer)(const QStringList &words);
};

struct CommandLine {
    const Option *option = nullptr; // null: the windows open
    QStringList words;              // the option's own
    QStringList qtArguments;        // the program's name and Qt's words
    QString error;                  // not empty: the line is not understood (status 2)
    QString shop; // --shop ID: the shop of this run alone; empty for the chosen one
};

// Reads the arguments, the program's name first. Changes nothing, prints nothing.
CommandLine ReadCommandLine(const QStringList &arguments);

// The error for a word neither the program nor Qt takes, in the session's language.
QString UnexpectedArgument(const QString &word);

} // namespace benchlist
