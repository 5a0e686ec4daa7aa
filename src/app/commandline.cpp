#include "app/commandline.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace benchlist {

namespace {

// The option a word names: "--name", "-name" and "--name=words" name "name".
const Option *OptionNamed(const QString &word)
{
    if (!word.startsWith(QLatin1Char('-')))
        return nullptr;
    const QString name =
        word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
    for (const Option &option : ProgramOptions())
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

QString Unexpected(const QString &word)
{
    return QStringLiteral("unexpected argument '%1' (try --help)").arg(word);
}

} // namespace

CommandLine ReadCommandLine(const QStringList &arguments)
{
    CommandLine line;
    line.qtArguments = arguments.mid(0, 1);
    for (qsizetype at = 1; at < arguments.size() && line.error.isEmpty(); ++at) {
        const QString &word = arguments.at(at);
        const Option *option = OptionNamed(word);
        if (!option) {
            // A word of the option's own would have been taken already: any
            // other is Qt's, and only the windows have a use for those.
            if (word.startsWith(QLatin1String("--")) || (line.option && line.option->answer))
                line.error = Unexpected(word);
            line.qtArguments.append(word);
            continue;
        }
        if (line.option) {
            line.error = Unexpected(word);
            break;
        }
        line.option = option;
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals > 0 && option->takes == Takes::Nothing)
            line.error = Unexpected(word);
        if (equals > 0 && equals + 1 < word.size())
            line.words.append(word.mid(equals + 1));
        if (option->takes == Takes::Rest) {
            line.words.append(arguments.mid(at + 1));
            break;
        }
        if (option->takes == Takes::Word && equals < 0 && at + 1 < arguments.size())
            line.words.append(arguments.at(++at));
    }
    if (line.error.isEmpty() && line.option && line.option->missing && line.words.isEmpty())
        line.error = QLatin1String(line.option->missing);
    return line;
}

QString OptionLines()
{
    const auto shown = [](const Option &option) {
        return QStringLiteral("--%1 %2")
            .arg(QLatin1String(option.name), QLatin1String(option.argument))
            .trimmed();
    };
    qsizetype width = 0;
    for (const Option &option : ProgramOptions())
        width = std::max(width, shown(option).size());
    QString options;
    for (const Option &option : ProgramOptions())
        options += QStringLiteral("  %1  %2\n")
                       .arg(shown(option), -int(width))
                       .arg(QLatin1String(option.help));
    return options;
}

int WriteToStandardOutput(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()
        || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "benchlist: cannot write to standard output: %s\n",
                     std::strerror(errno));
        return 1;
    }
    return 0;
}

} // namespace benchlist
