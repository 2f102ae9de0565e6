#include "spellwords.h"

#include <QString>

#include <algorithm>

namespace shell {
namespace {

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool isWordLetter(QChar c)
{
    return c.isLetter() || c.isMark();
}

// An address is no word: its parts are names, not language.
bool isAddress(QStringView piece)
{
    if (piece.contains(QLatin1Char('@')) || piece.contains(QLatin1String("://"))
        || piece.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return true;
    // A dot with a name on both sides ("example.com") marks a host name.
    for (qsizetype i = 1; i + 1 < piece.size(); ++i) {
        if (piece[i] == QLatin1Char('.') && piece[i - 1].isLetterOrNumber() && piece[i + 1].isLetterOrNumber())
            return true;
    }
    return false;
}

bool isWorthChecking(QStringView word)
{
    if (word.size() < 2)
        return false;
    for (QChar c : word) {
        if (c.isDigit())
            return false;
    }
    // All capitals ("CEO", "CEO's"): an abbreviation the dictionary cannot
    // know. A single capital before the apostrophe is a name ("O'Brien").
    const qsizetype apostrophe = std::find_if(word.begin(), word.end(), isApostrophe) - word.begin();
    const QStringView stem = apostrophe > 1 ? word.left(apostrophe) : word;
    return std::any_of(stem.begin(), stem.end(), [](QChar c) { return c.isLower(); });
}

// Appends the words of one whitespace-free piece that starts at `offset`.
void addWordsOfPiece(QStringView piece, int offset, std::vector<WordSpan> &words)
{
    if (isAddress(piece))
        return;
    const qsizetype size = piece.size();
    qsizetype i = 0;
    while (i < size) {
        if (!isWordLetter(piece[i]) && !piece[i].isDigit()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < size
               && (piece[i].isLetterOrNumber() || piece[i].isMark()
                   || (isApostrophe(piece[i]) && i + 1 < size && isWordLetter(piece[i + 1]) && i > start)))
            ++i;
        const QStringView word = piece.mid(start, i - start);
        if (isWorthChecking(word))
            words.push_back({offset + static_cast<int>(start), static_cast<int>(word.size())});
    }
}

} // namespace

std::vector<WordSpan> checkableWords(QStringView text)
{
    std::vector<WordSpan> words;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && text[i].isSpace())
            ++i;
        const qsizetype start = i;
        while (i < size && !text[i].isSpace())
            ++i;
        if (i > start)
            addWordsOfPiece(text.mid(start, i - start), static_cast<int>(start), words);
    }
    return words;
}

std::optional<WordSpan> checkableWordAt(QStringView text, int position)
{
    if (position < 0 || position > text.size())
        return std::nullopt;
    qsizetype start = position;
    while (start > 0 && !text[start - 1].isSpace())
        --start;
    qsizetype end = position;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    std::vector<WordSpan> words;
    addWordsOfPiece(text.mid(start, end - start), static_cast<int>(start), words);
    for (const WordSpan &word : words) {
        if (word.start <= position && position <= word.end())
            return word;
    }
    return std::nullopt;
}

} // namespace shell
