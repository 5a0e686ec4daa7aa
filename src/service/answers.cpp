#include "service/answers.h"

#include "base/project.h"
#include "catalogue/catalogue.h"
#include "core/catalogueexport.h"
#include "core/searchresults.h"
#include "service/pagememory.h"

#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace benchlist {

int PrintAnswer(const std::string &text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return 0;
    std::fprintf(stderr, "benchlist: cannot write to standard output: %s\n", std::strerror(errno));
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
        std::fprintf(stderr, "benchlist: cannot write '%s': %s\n", name.c_str(), reason.c_str());
    return reason.empty() ? 0 : 1;
}

int AnswerFindWords(const QStringList &words)
{
    const FindAnswer answer =
        AnswerFind(CatalogueIndex::Catalogue(), words.join(QLatin1Char(' ')).toStdString(),
                   QLocale().name().toStdString());
    if (PrintAnswer(answer.lines) != 0)
        return 1;
    std::fputs(answer.note.c_str(), stderr);
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
