#include "core/catalogueindex.h"

#include "catalogue/catalogue.h"
#include "core/lookup.h"

#include <algorithm>

namespace benchlist {

namespace {

// Words shorter than this must match exactly; longer ones may hold one slip.
constexpr std::size_t kSlipFrom = 5;

// About how many words a record holds, text, caption and title together.
constexpr std::size_t kWordsPerRecord = 12;

// Stands for any one character beyond ASCII: never part of a catalogue word.
constexpr char kForeignLetter = '\x80';

bool IsAsciiWordCharacter(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(unsigned char c)
{
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

std::string Joined(const std::vector<std::string> &words)
{
    std::string joined;
    for (const std::string &word : words) {
        if (!joined.empty())
            joined += ' ';
        joined += word;
    }
    return joined;
}

} // namespace

std::vector<std::string> FindWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    auto endWord = [&] {
        if (!word.empty())
            words.push_back(std::move(word));
        word.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsAsciiWordCharacter(c)) {
            word += Lower(c);
        } else if (c == '\'') {
            continue; // "PDA's" is one word
        } else if (text.substr(i, 3) == "\xe2\x80\x99") {
            i += 2; // the typographic apostrophe likewise
        } else if (c >= 0xc0) {
            word += kForeignLetter; // the lead byte of one character
        } else if (c < 0x80) {
            endWord();
        } // continuation bytes belong to the character already counted
    }
    endWord();
    return words;
}

bool MatchesWordStart(std::string_view word, std::string_view target)
{
    if (word.empty())
        return false;
    const auto differ = std::mismatch(word.begin(), word.end(), target.begin(), target.end());
    const auto same = static_cast<std::size_t>(differ.first - word.begin());
    if (same == word.size())
        return true;
    if (word.size() < kSlipFrom)
        return false;
    const std::string_view rest = word.substr(same);
    const std::string_view targetRest = target.substr(same);
    if (targetRest.empty())
        return rest.size() == 1;                            // one letter too many at the end
    return targetRest.substr(1).starts_with(rest.substr(1)) // one letter wrong
           || targetRest.starts_with(rest.substr(1))        // one letter extra
           || targetRest.substr(1).starts_with(rest)        // one letter missing
           || (rest.size() >= 2 && targetRest.size() >= 2 && rest[0] == targetRest[1]
               && rest[1] == targetRest[0] && targetRest.substr(2).starts_with(rest.substr(2)));
}

CatalogueIndex::CatalogueIndex(std::span<const CategoryData *const> windows)
{
    for (const CategoryData *window : windows)
        for (const DropDownData &dropDown : window->dropDowns)
            for (const PageEntry &entry : dropDown.pages)
                // Of equal texts only the winning entry is ever opened.
                if (WinningEntry(dropDown.pages, entry.text) == &entry)
                    Add(*window, dropDown, entry);
}

const CatalogueIndex &CatalogueIndex::Catalogue()
{
    static const CatalogueIndex index(catalogue::kWindows);
    return index;
}

void CatalogueIndex::Add(const CategoryData &window, const DropDownData &dropDown,
                         const PageEntry &entry)
{
    const auto record = static_cast<std::uint32_t>(records_.size());
    records_.push_back({
        .text = entry.text,
        .windowName = window.name,
        .windowTitle = window.title,
        .dropDownName = dropDown.name,
        .caption = dropDown.initialText,
        .address = LookupPage(dropDown.pages, entry.text),
        .typed = !IsListed(dropDown, entry.text),
    });
    std::vector<std::string> words = FindWords(entry.text);
    std::string text = Joined(words);
    std::sort(words.begin(), words.end());
    keys_.push_back({std::move(text), std::move(words), {}, {}});

    AddWords(record, entry.text, true);
    AddWords(record, dropDown.initialText, false);
    AddWords(record, window.title, false);
}

void CatalogueIndex::AddWords(std::uint32_t record, std::string_view text, bool inText)
{
    for (std::string &spelling : FindWords(text)) {
        longestWord_ = std::max(longestWord_, spelling.size());
        const auto entry = vocabulary_.try_emplace(std::move(spelling)).first;
        std::vector<std::uint32_t> &holders = inText ? entry->second.inText : entry->second.around;
        if (!holders.empty() && holders.back() == record)
            continue;
        holders.push_back(record);
        (inText ? keys_[record].inText : keys_[record].around).push_back(&entry->first);
    }
}

// Marks the records where `word` matches the start of a word of the text, and
// those where it matches one anywhere.
void CatalogueIndex::MarkMatches(std::string_view word, std::vector<char> &inText,
                                 std::vector<char> &anywhere) const
{
    auto mark = [&](const Word &holders) {
        for (std::uint32_t record : holders.inText)
            inText[record] = anywhere[record] = 1;
        for (std::uint32_t record : holders.around)
            anywhere[record] = 1;
    };
    // A short word matches only the words it starts, which lie together in
    // alphabetical order; a longer one is compared with every word.
    auto it = word.size() < kSlipFrom ? vocabulary_.lower_bound(word) : vocabulary_.begin();
    for (; it != vocabulary_.end(); ++it) {
        if (MatchesWordStart(word, it->first))
            mark(it->second);
        else if (word.size() < kSlipFrom)
            break;
    }
}

// Keeps the candidates where `word` matches the start of one of their own
// words: cheaper than going through the vocabulary once few are left.
void CatalogueIndex::KeepMatches(std::string_view word, std::vector<std::uint32_t> &candidates,
                                 std::vector<char> &allInText) const
{
    auto matches = [word](const std::vector<const std::string *> &words) {
        return std::any_of(words.begin(), words.end(), [word](const std::string *target) {
            return MatchesWordStart(word, *target);
        });
    };
    std::erase_if(candidates, [&](std::uint32_t record) {
        const bool inText = matches(keys_[record].inText);
        allInText[record] = static_cast<char>(allInText[record] && inText);
        return !inText && !matches(keys_[record].around);
    });
}

FindRank CatalogueIndex::RankOf(std::uint32_t record, const std::vector<std::string> &sortedWords,
                                const std::string &joined, bool allInText) const
{
    const Key &key = keys_[record];
    if (!allInText)
        return FindRank::WordsAround;
    if (key.sorted == sortedWords)
        return FindRank::WholeText;
    if (key.text.starts_with(joined))
        return FindRank::StartOfText;
    return FindRank::WordsInText;
}

std::vector<FindHit> CatalogueIndex::Find(std::string_view query) const
{
    std::vector<std::string> words = FindWords(query);
    if (words.empty())
        return {};
    // A word longer than any of the catalogue's by two or more matches nothing,
    // however long the query is.
    for (const std::string &word : words)
        if (word.size() > longestWord_ + 1)
            return {};

    const std::string joined = Joined(words);
    std::sort(words.begin(), words.end());
    const std::vector<std::string> sortedWords = words;
    words.erase(std::unique(words.begin(), words.end()), words.end());

    const std::size_t count = records_.size();
    std::vector<std::uint32_t> candidates(count);
    for (std::size_t r = 0; r < count; ++r)
        candidates[r] = static_cast<std::uint32_t>(r);
    std::vector<char> allInText(count, 1);
    std::vector<char> inText(count);
    std::vector<char> anywhere(count);
    for (const std::string &word : words) {
        // However many words a query has, each costs at most one pass over the
        // vocabulary, and much less once few records are left.
        if (candidates.size() * kWordsPerRecord < vocabulary_.size()) {
            KeepMatches(word, candidates, allInText);
        } else {
            std::fill(inText.begin(), inText.end(), 0);
            std::fill(anywhere.begin(), anywhere.end(), 0);
            MarkMatches(word, inText, anywhere);
            std::erase_if(candidates, [&](std::uint32_t record) {
                allInText[record] = static_cast<char>(allInText[record] && inText[record]);
                return !anywhere[record];
            });
        }
        if (candidates.empty())
            return {}; // the remaining words cannot bring anything back
    }

    std::vector<FindHit> hits;
    hits.reserve(candidates.size());
    for (std::uint32_t record : candidates)
        hits.push_back(
            {&records_[record], RankOf(record, sortedWords, joined, allInText[record] != 0)});
    std::stable_sort(hits.begin(), hits.end(),
                     [](const FindHit &a, const FindHit &b) { return a.rank < b.rank; });
    return hits;
}

} // namespace benchlist
