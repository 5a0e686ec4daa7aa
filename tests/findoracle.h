// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A second, plain and slow judge of whether a found record holds a word of the
// query, written from the rules the README gives for finding a category by
// words and from the word files, and sharing no code with the find index: where
// the two disagree, one of them is wrong.
#pragma once

#include "find/catalogueindex.h"

#include <QByteArray>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace findoracle {

enum class Verdict { No, Yes, Unsure }; // Unsure: a rule the judge does not weigh exactly

// One word of a query as the judge cuts it.
struct Term {
    std::string text;   // folded; a number and its unit apart are one: "2.4ghz"
    std::string second; // "ae", "oe" and "ue" for "ä", "ö" and "ü"; empty if none
    bool small = false;
};

// A number of a record's text, or a range of them, in its unit's terms.
struct Amount {
    double low, high;
    std::string kind; // empty: no unit
};

// A record's words as the judge reads them.
struct RecordWords {
    std::vector<std::string> own;    // of its text, caption and title
    std::vector<std::string> joined; // each two neighbours of one of them as one word
    std::vector<Amount> amounts;     // its numbers and ranges, in their units' terms
};

class Oracle {
public:
    // Reads the word files, every *.txt in `wordsDir`.
    explicit Oracle(const std::string &wordsDir);

    // The words of `query` every full match must hold, in order.
    std::vector<std::string> Words(std::string_view query) const;
    // Per word of Words(query), whether `record` holds it.
    std::vector<Verdict> Holds(const benchlist::FindRecord &record, std::string_view query) const;
    // Every shopper's phrase of the word files, as written.
    const std::vector<std::string> &Phrases() const { return written_; }

private:
    void AddPhrases(const std::string &line);
    void AddUnit(const std::string &unit, const QByteArray &line);
    void AddEnding(const QByteArray &line);
    std::vector<Term> Terms(std::string_view query, bool &typedOn) const;
    Verdict Judge(const std::vector<Term> &terms, std::size_t at, std::size_t typed,
                  const RecordWords &words) const;
    Verdict Vocabulary(const std::vector<Term> &terms, std::size_t at,
                       const RecordWords &words) const;

    // A shopper's phrase, folded, to the catalogue words it may stand for.
    std::multimap<std::string, std::vector<std::string>> phrases_;
    std::vector<std::string> written_;
    std::set<std::string> small_; // need not match
    std::set<std::string> units_; // joined to the number before them
};

} // namespace findoracle
