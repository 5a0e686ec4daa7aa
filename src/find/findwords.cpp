// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "find/findwords.h"

#include "find/fold.h"

#include <algorithm>
#include <utility>

namespace benchlist {

namespace {

// The bytes of an apostrophe at `at`, straight or typographic, or 0.
std::size_t ApostropheAt(std::string_view text, std::size_t at)
{
    if (text[at] == '\'')
        return 1;
    return text.substr(at, 3) == "\xe2\x80\x99" ? 3 : 0;
}

bool StartsWord(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return false;
    std::string word, second;
    return FoldNext(text, at, word, second).kind == FoldedKind::Word;
}

class Cutter {
public:
    Cutter(std::string_view text, std::size_t most) : text_(text), most_(most)
    {
        words_.reserve(std::min(most, text.size() / 2 + 1)); // at most a word per two bytes
    }

    std::vector<FindWordSpan> Cut()
    {
        for (std::size_t at = 0; at < text_.size() && words_.size() < most_;)
            at += Step(at);
        if (words_.size() < most_)
            End(text_.size());
        return std::move(words_);
    }

private:
    std::size_t Step(std::size_t at)
    {
        const char c = text_[at];
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) { // most text: one byte, as it is
            if (word_.word.empty())
                word_.begin = at;
            word_.word += c;
            if (!word_.second.empty())
                word_.second += c;
            return 1;
        }
        if (c == '.' && !word_.word.empty() && IsDigit(word_.word.back()) && at + 1 < text_.size()
            && IsDigit(text_[at + 1])) {
            word_.word += '.'; // "2.4" is one number
            if (!word_.second.empty())
                word_.second += '.';
            return 1;
        }
        if (const std::size_t apostrophe = ApostropheAt(text_, at))
            return apostrophe; // "PDA's" is one word
        const bool starting = word_.word.empty();
        const FoldedCharacter folded = FoldNext(text_, at, word_.word, word_.second);
        if (folded.kind == FoldedKind::Word && starting)
            word_.begin = at;
        if (folded.kind == FoldedKind::Separator)
            End(at);
        return folded.size;
    }

    void End(std::size_t at)
    {
        if (!word_.word.empty() && words_.size() < most_) {
            word_.end = at;
            const char c = at < text_.size() ? text_[at] : ' ';
            word_.gluedToNext = (c == '-' || c == '/' || c == '.') && StartsWord(text_, at + 1);
            words_.push_back(std::move(word_));
        }
        word_ = {{}, at + 1, 0, false, {}};
    }

    std::string_view text_;
    std::size_t most_;
    std::vector<FindWordSpan> words_;
    FindWordSpan word_{{}, 0, 0, false, {}};
};

} // namespace

std::vector<FindWordSpan> FindWordSpans(std::string_view text, std::size_t most)
{
    return Cutter(text, most).Cut();
}

std::vector<std::string> FindWords(std::string_view text)
{
    std::vector<std::string> words;
    for (FindWordSpan &span : FindWordSpans(text))
        words.push_back(std::move(span.word));
    return words;
}

std::string FindCompact(std::string_view text)
{
    std::string compact;
    for (const std::string &word : FindWords(text))
        compact += word;
    return compact;
}

} // namespace benchlist
