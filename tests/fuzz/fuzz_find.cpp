// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random bytes as a query, as the find window and --find hand one to the index.
// Besides the sanitizers' faults, whatever the query, the results must hold
// what every caller takes for granted; any that does not stops the run.
#include "find/catalogueindex.h"
#include "findoracle.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace benchlist;

// Stops the run, unless FUZZ_KEEP_GOING is set: a long run then shows every
// kind of fault it meets, each with its first few queries, and goes on.
void Fail(const char *what, std::string_view query, std::size_t at)
{
    static const bool keepGoing = std::getenv("FUZZ_KEEP_GOING") != nullptr;
    static std::map<std::string, int> told;
    if (keepGoing && ++told[what] > 3)
        return;
    std::fprintf(stderr, "fuzz_find: %s (result %zu), for the query \"", what, at);
    for (const char c : query)
        std::fprintf(stderr, c >= ' ' && c < 127 && c != '\\' ? "%c" : "\\x%02x",
                     unsigned(static_cast<unsigned char>(c)));
    std::fprintf(stderr, "\"\n");
    if (!keepGoing)
        std::abort();
}

bool AllBlank(std::string_view query)
{
    for (const char c : query)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f')
            return false;
    return true;
}

// The words a record's field holds: a mark beyond them would bold nothing, or
// the wrong word. The catalogue's texts stay put, so each is counted once.
bool MarksWithin(std::uint32_t marked, std::string_view text)
{
    static std::map<std::pair<const char *, std::size_t>, std::size_t> counted;
    const auto [at, added] = counted.try_emplace({text.data(), text.size()});
    if (added)
        at->second = FindWordSpans(text).size();
    return at->second >= 32 || (marked >> at->second) == 0;
}

// A shopper's past choices, made up from the record's text alone, so that the
// same query always ranks the same: some pages chosen before, most used a little.
UsageScore MadeUpUse(const FindRecord &record)
{
    const std::size_t hash = std::hash<std::string_view>{}(record.text);
    return {hash % 5 == 0 ? double(hash % 7) / 3 : 0, double(hash % 11) / 4};
}

// The judge's verdict on each word against what the result says it holds.
void Judge(const findoracle::Oracle &judge, const std::vector<std::string> &words,
           const FindHit &hit, std::string_view query, std::size_t at)
{
    // Only one way: the index picks one way to join neighbouring words over
    // the whole query, where the judge weighs each word alone, so a word a
    // result is said to lack may be one the judge could pair otherwise. A
    // word said twice is held where the judge finds it at any of its places,
    // as the index weighs it once.
    const std::vector<findoracle::Verdict> held = judge.Holds(*hit.record, query);
    std::map<std::string_view, bool> unheld; // per word: the judge holds it nowhere
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto [at, added] = unheld.try_emplace(words[i], true);
        at->second = at->second && held[i] == findoracle::Verdict::No;
    }
    for (const auto &[word, nowhere] : unheld) {
        const bool lacks =
            std::find(hit.missing.begin(), hit.missing.end(), word) != hit.missing.end();
        if (!lacks && nowhere)
            Fail("a result lacks a word it is said to hold", query, at);
    }
}

void Check(const CatalogueIndex &index, std::string_view query, const UsageScorer &usage)
{
    const std::vector<FindHit> hits = index.Find(query, usage);
    if (hits.empty())
        return;
    if (AllBlank(query))
        Fail("a query of blanks finds something", query, 0);
    // The tests' own judge reads every word of a result anew. A query has a
    // few of its results judged, the first and others different for each
    // query, so that judging costs about what the search does and a run makes
    // thousands of queries a second.
    static const findoracle::Oracle judge(BENCHLIST_WORDS);
    const std::vector<std::string> words = judge.Words(query);
    const std::size_t budget = std::max<std::size_t>(1, 24 / (words.size() + 1));
    const std::size_t every = hits.size() / budget + 1;
    const std::size_t offset = std::hash<std::string_view>{}(query) % every;
    bool partialSeen = false;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const FindHit &hit = hits[i];
        const FindRecord &record = *hit.record;
        if (i > 0 && hit.rank < hits[i - 1].rank)
            Fail("a result stands above one of a lower rank", query, i);
        if (hit.Partial()) {
            partialSeen = true;
            if (hit.missing.size() >= hit.missing.Words().size())
                Fail("a result lacks every word", query, i);
        } else {
            if (partialSeen)
                Fail("a full result stands below a partial one", query, i);
        }
        if (i == 0 || i % every == offset)
            Judge(judge, words, hit, query, i);
        if (!MarksWithin(hit.marked[std::size_t(FindField::Text)], record.text)
            || !MarksWithin(hit.marked[std::size_t(FindField::Caption)], record.caption)
            || !MarksWithin(hit.marked[std::size_t(FindField::Title)], record.windowTitle))
            Fail("a result marks a word its text does not have", query, i);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    const std::string_view query(reinterpret_cast<const char *>(data), size);
    // Half the queries as a shopper with a past asks them: the order must hold
    // whatever lifts a record.
    const UsageScorer usage = size % 2 ? UsageScorer(MadeUpUse) : UsageScorer();
    Check(index, query, usage);
    // The find window and --find pass on text Qt has read: what is no UTF-8
    // has become U+FFFD by then.
    const QByteArray read = QString::fromUtf8(query.data(), qsizetype(size)).toUtf8();
    const std::string_view asRead(read.constData(), std::size_t(read.size()));
    if (asRead != query)
        Check(index, asRead, usage);
    return 0;
}
