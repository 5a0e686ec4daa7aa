// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "base/project.h"
#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"
#include "core/shops.h"
#include "find/resultids.h"
#include "translation/language.h"
#include "usage/sharedusage.h"

#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

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

// "card, paper": the words as the query has them.
QString WordList(const std::vector<std::string> &words)
{
    QStringList list;
    for (const std::string &word : words)
        list.append(QString::fromStdString(word));
    return list.join(QLatin1String(", "));
}

// The line on standard error for hits that lack words, or for none at all.
QString FindNote(const FindAnswer &answer)
{
    if (answer.hits.empty())
        return Translated("CommandLine", "no category matches those words");
    const auto leftOut = int(answer.leftOut.size());
    if (answer.furtherDown.empty())
        return Translated("CommandLine", "no category has every word; left out: %1", nullptr,
                          leftOut)
            .arg(WordList(answer.leftOut));
    return Translated("CommandLine",
                      "no category has every word; left out: %1; further down also: %2", nullptr,
                      leftOut)
        .arg(WordList(answer.leftOut), WordList(answer.furtherDown));
}

} // namespace

int AnswerFindWords(const QStringList &words)
{
    const FindAnswer answer = AnswerFind(
        CatalogueIndex::Catalogue(), words.join(QLatin1Char(' ')).toStdString(), ShopperLanguage());
    if (PrintAnswer(FindListing(answer.hits)) != 0)
        return 1;
    if (answer.Status() != 0)
        std::fprintf(stderr, "benchlist: %s\n", FindNote(answer).toLocal8Bit().constData());
    return answer.Status();
}

int AnswerRecent(const QStringList &)
{
    const std::string listing = FindListing(RecentHits());
    CloseSharedUsageStore();
    return PrintAnswer(listing);
}

int AnswerForget(const QStringList &)
{
    ForgetPages();
    CloseSharedUsageStore();
    return 0;
}

int AnswerShops(const QStringList &)
{
    std::string lines;
    for (const Shop &shop : BuiltInShops())
        lines.append(shop.id)
            .append("\t")
            .append(shop.name)
            .append("\t")
            .append(shop.IsCatalogue() ? std::string(SiteBase) : shop.address)
            .append("\n");
    return PrintAnswer(lines);
}

int AnswerVersion(const QStringList &)
{
    return PrintAnswer("benchlist " BENCHLIST_FILE_VERSION "\n");
}

} // namespace benchlist
