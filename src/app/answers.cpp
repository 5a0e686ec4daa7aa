// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "base/project.h"
#include "catalogue/catalogue.h"
#include "core/catalogueexport.h"
#include "find/resultids.h"
#include "translation/language.h"
#include "usage/pagememory.h"

#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace benchlist {

int PrintAnswer(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return 0;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    const QString line = Translated("CommandLine", "cannot write to standard output: %1");
    std::fprintf(stderr, "benchlist: %s\n", line.arg(reason).toLocal8Bit().constData());
    return 1;
}

int AnswerList(const QStringList &)
{
    return PrintAnswer(CatalogueListing(catalogue::kWindows));
}

int AnswerExportBookmarks(const QStringList &words)
{
    if (words.first() == QLatin1String("-"))
        return PrintAnswer(BookmarksHtml(catalogue::kButtonOrder));
    const std::string name = words.first().toLocal8Bit().toStdString();
    const std::string reason = WriteBookmarkFile(name, catalogue::kButtonOrder);
    if (!reason.empty())
        std::fprintf(stderr, "benchlist: %s\n",
                     Translated("CommandLine", "cannot write '%1': %2")
                         .arg(words.first(), QString::fromLocal8Bit(reason.c_str()))
                         .toLocal8Bit()
                         .constData());
    return reason.empty() ? 0 : 1;
}

namespace {

// The phrases of --find's note, said in the session's language; the words it
// names stay as the query has them.
constexpr const char *kNotePhrases[] = {
    QT_TRANSLATE_NOOP("CommandLine", "no category matches those words"),
    QT_TRANSLATE_NOOP("CommandLine", "no category has every word; left out: "),
    QT_TRANSLATE_NOOP("CommandLine", "; further down also: "),
};

std::string TranslatedNote(std::string note)
{
    for (const char *phrase : kNotePhrases) {
        const std::size_t at = note.find(phrase);
        if (at != std::string::npos)
            note.replace(at, std::strlen(phrase),
                         Translated("CommandLine", phrase).toLocal8Bit().toStdString());
    }
    return note;
}

} // namespace

int AnswerFindWords(const QStringList &words)
{
    const FindAnswer answer =
        AnswerFind(CatalogueIndex::Catalogue(), words.join(QLatin1Char(' ')).toStdString(),
                   QLocale().name().toStdString());
    if (PrintAnswer(answer.lines) != 0)
        return 1;
    std::fputs(TranslatedNote(answer.note).c_str(), stderr);
    return answer.status;
}

int AnswerRecent(const QStringList &)
{
    const std::string listing = FindListing(RecentHits());
    ClosePageMemory();
    return PrintAnswer(listing);
}

int AnswerForget(const QStringList &)
{
    ForgetPages();
    ClosePageMemory();
    return 0;
}

int AnswerVersion(const QStringList &)
{
    return PrintAnswer("benchlist " BENCHLIST_FILE_VERSION "\n");
}

} // namespace benchlist
