#pragma once

#include <QStringView>
#include <optional>
#include <vector>

namespace shell {

// Where one word to be spell-checked lies in a text, in characters.
struct WordSpan {
    int start = 0;
    int length = 0;

    int end() const { return start + length; }
    bool operator==(const WordSpan &other) const { return start == other.start && length == other.length; }
};

// The words of `text` that are worth checking, in order: runs of letters
// (with apostrophes inside), leaving out words with digits, all-capital
// abbreviations, single letters, and everything in an e-mail or web address.
std::vector<WordSpan> checkableWords(QStringView text);

// The checkable word at or touching `position` in `text`, if there is one.
// Only the whitespace-separated piece around `position` is looked at, so this
// costs little however long the text is.
std::optional<WordSpan> checkableWordAt(QStringView text, int position);

} // namespace shell
