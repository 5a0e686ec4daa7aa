// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: its reader and the program's options.
#include "app/commandline.h"

#include "app/answers.h"
#include "core/shops.h"
#include "service/searchservice.h"
#include "translation/language.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace benchlist {

namespace {

int Help(const QStringList &);

// The help in the session's language, as the terminal takes it.
std::string Text(const char *english)
{
    return Translated("CommandLine", english).toStdString();
}

constexpr Option kOptions[] = {
    {"list", Takes::Nothing, "",
     QT_TRANSLATE_NOOP("CommandLine", "print every page of the catalogue, one per line"), nullptr,
     AnswerList},
    {"export-bookmarks", Takes::Word, QT_TRANSLATE_NOOP("CommandLine", "FILE"),
     QT_TRANSLATE_NOOP("CommandLine", "write the bookmark file, or with - print it"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "--export-bookmarks needs a file name, or - for standard output"),
     AnswerExportBookmarks},
    {"find", Takes::Rest, QT_TRANSLATE_NOOP("CommandLine", "WORDS..."),
     QT_TRANSLATE_NOOP("CommandLine", "print the categories the words find, best first"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "--find needs words to look for, as in: benchlist --find usb hub"),
     AnswerFindWords},
    {"find-window", Takes::Word, QT_TRANSLATE_NOOP("CommandLine", "WORDS"),
     QT_TRANSLATE_NOOP("CommandLine", "open the window with the find window on the words"),
     QT_TRANSLATE_NOOP(
         "CommandLine",
         "--find-window needs words to look for, as in: benchlist --find-window 'usb hub'"),
     nullptr},
    {"recent", Takes::Nothing, "",
     QT_TRANSLATE_NOOP("CommandLine", "print the last ten pages opened, newest first"), nullptr,
     AnswerRecent},
    {"forget", Takes::Nothing, "",
     QT_TRANSLATE_NOOP("CommandLine", "delete every page kept as opened, and their words"), nullptr,
     AnswerForget},
    // Its further words are those of the service's own helpers.
    {"search-service", Takes::Rest, "",
     QT_TRANSLATE_NOOP("CommandLine", "serve the search of the desktop on the session bus"),
     nullptr, RunSearchService},
    {"shops", Takes::Nothing, "",
     QT_TRANSLATE_NOOP("CommandLine", "print the shops pages can open at: id, name, address"),
     nullptr, AnswerShops},
    {"help", Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "print this help and exit"),
     nullptr, Help},
    {"version", Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "print the version and exit"),
     nullptr, AnswerVersion},
};

int Help(const QStringList &)
{
    std::string text = Text(QT_TRANSLATE_NOOP(
        "CommandLine", "Usage: benchlist [OPTION]... [QT-OPTION]...\n"
                       "Opens the Benchlist window. --list, --export-bookmarks, --find, "
                       "--recent\nand --forget answer on standard output instead, without "
                       "a display.\n\n"));
    // Padded by characters, not bytes ("WÖRTER..."), and wide enough for the
    // longest translated argument name. --shop stands before the other option.
    QStringList shown{QStringLiteral("--shop %1").arg(Translated("CommandLine", "ID"))};
    std::vector<std::string> helps{
        Text(QT_TRANSLATE_NOOP("CommandLine", "open or print the pages at the shop ID, for this "
                                              "run alone\n(before the other option; --shops "
                                              "lists the ids)"))};
    for (const Option &option : kOptions) {
        shown.append(QStringLiteral("--%1 %2").arg(
            QLatin1String(option.name),
            *option.argument ? Translated("CommandLine", option.argument) : QString()));
        helps.push_back(Text(option.help));
    }
    qsizetype column = 25;
    for (const QString &name : std::as_const(shown))
        column = std::max(column, name.size() + 2);
    const std::string indent(std::size_t(column) + 2, ' ');
    for (std::size_t i = 0; i < helps.size(); ++i) {
        std::string help = helps[i];
        for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1))
            help.insert(at + 1, indent);
        text += "  " + shown[qsizetype(i)].leftJustified(column).toStdString() + help + "\n";
    }
    return PrintAnswer(
        text
        + Text(QT_TRANSLATE_NOOP(
            "CommandLine",
            "\nEach line of --find and --recent is the text, window, drop-down and "
            "address,\ntab-separated. --find answers the same every time: the pages "
            "opened before,\nwhich come first in the find window and the desktop's "
            "search, do not count.\nQt's own options, such as -platform NAME, -style STYLE "
            "and -reverse, are passed\non to Qt.\n\nExit status: 0 when done, 1 when "
            "nothing is found or written, 2 for a command\nline that is not "
            "understood, 3 when --find prints categories that lack some of\nthe words "
            "(no category has them all; standard error names the words left out).\n")));
}

// The option a word names: "--name", "-name" and "--name=words" name "name".
const Option *OptionNamed(const QString &word)
{
    const QString name =
        word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
    for (const Option &option : kOptions)
        if (word.startsWith(QLatin1Char('-')) && name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// "--shop ID" and "--shop=ID" give the shop of the run; false for other words.
bool ReadShop(const QStringList &arguments, qsizetype &at, CommandLine &line)
{
    const QString &word = arguments.at(at);
    const QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
    if (!word.startsWith(QLatin1Char('-'))
        || name.section(QLatin1Char('='), 0, 0) != QLatin1String("shop"))
        return false;
    QString id = name.section(QLatin1Char('='), 1);
    if (!name.contains(QLatin1Char('=')) && at + 1 < arguments.size())
        id = arguments.at(++at);
    if (id.isEmpty() || id.startsWith(QLatin1Char('-')))
        line.error = Translated("CommandLine", "--shop needs a shop's id, as in: benchlist "
                                               "--shop ebay-us --find usb hub");
    else if (!BuiltInShop(id.toStdString()))
        line.error = Translated("CommandLine", "no shop has the id '%1'; the ids are: %2")
                         .arg(id, QString::fromStdString(BuiltInShopIds()));
    else
        line.shop = id;
    return true;
}

} // namespace

QString UnexpectedArgument(const QString &word)
{
    return Translated("CommandLine", "unexpected argument '%1' (try --help)").arg(word);
}

CommandLine ReadCommandLine(const QStringList &arguments)
{
    CommandLine line;
    line.qtArguments = arguments.mid(0, 1);
    const auto unexpected = [&line](const QString &word) {
        line.error = UnexpectedArgument(word);
        return line;
    };
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        if (line.shop.isEmpty() && ReadShop(arguments, at, line)) {
            if (!line.error.isEmpty())
                return line;
            continue;
        }
        const QString &word = arguments.at(at);
        const Option *option = OptionNamed(word);
        if (!option) {
            // The option's own words are taken already: this one is Qt's, and
            // only the windows have a use for Qt's words.
            if (word.startsWith(QLatin1String("--")) || (line.option && line.option->answer))
                return unexpected(word);
            line.qtArguments.append(word);
            continue;
        }
        if (line.option)
            return unexpected(word);
        line.option = option;
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals > 0 && option->takes == Takes::Nothing)
            return unexpected(word);
        if (equals > 0 && equals + 1 < word.size())
            line.words.append(word.mid(equals + 1));
        if (option->takes == Takes::Rest) {
            line.words.append(arguments.mid(at + 1));
            break;
        }
        if (option->takes == Takes::Word && equals < 0 && at + 1 < arguments.size())
            line.words.append(arguments.at(++at));
    }
    if (line.option && line.option->missing && line.words.isEmpty())
        line.error = Translated("CommandLine", line.option->missing);
    return line;
}

} // namespace benchlist
