#include "paragraphmemo.h"

#include "model/documentmodel.h"

#include <QCoreApplication>

namespace engine {
namespace {

constexpr char32_t formatMarker = 0xFFFFFFFF;

template <typename Value>
void append(std::string &key, const Value &value)
{
    key.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void appendText(std::string &key, const QString &text)
{
    append(key, text.size());
    key.append(reinterpret_cast<const char *>(text.constData()), static_cast<size_t>(text.size()) * 2);
}

// Everything of a list's first level that its paragraphs are laid out with.
void appendListLevel(std::string &key, const ListLevelFormat &level)
{
    appendText(key, level.numberFormat);
    append(key, level.numberStyle);
    append(key, level.numberPositionPoints);
    append(key, level.textPositionPoints);
    appendText(key, level.fontName);
    for (const auto &[property, value] : level.fontProperties) {
        append(key, property);
        append(key, value);
    }
}

// Moves the story positions of a kept layout to a paragraph starting at `from`.
void shift(ParagraphBox &box, int from)
{
    const int by = from - box.from;
    if (by == 0)
        return;
    box.from += by;
    box.mark += by;
    for (ParagraphLine &line : box.lines) {
        line.from += by;
        line.to += by;
    }
}

} // namespace

ParagraphMemo &ParagraphMemo::shared()
{
    static ParagraphMemo memo;
    // The kept layouts hold fonts, which must go before the application
    // that made them, not at the end of the process.
    static const bool forgottenAtExit = [] {
        qAddPostRoutine([] {
            memo.m_previous.clear();
            memo.m_current.clear();
        });
        return true;
    }();
    Q_UNUSED(forgottenAtExit);
    return memo;
}

void ParagraphMemo::beginLayout()
{
    m_previous = std::move(m_current);
    m_current.clear();
}

void ParagraphMemo::endLayout()
{
    m_previous.clear();
}

std::string ParagraphMemo::key(const DocumentModel &model, int from, int mark, int widthTwips, int listOrdinal)
{
    // Formats go in by what they hold, not by their index in one story's
    // pool, so that a paragraph of another document (the same resume read
    // back from its file) finds the layout too.
    const Story &story = model.story;
    std::string key;
    key.reserve(static_cast<size_t>(mark - from + 1) * sizeof(char32_t) + 256);
    append(key, widthTwips);
    append(key, listOrdinal);
    const ParagraphFormat &paragraph = story.paragraphFormat(story.at(mark).paragraphFormat);
    append(key, paragraph.alignment);
    if (paragraph.list >= 0 && paragraph.list < static_cast<int>(model.lists.size()))
        appendListLevel(key, model.lists[static_cast<size_t>(paragraph.list)].levels[0]);
    int format = -1;
    for (int i = from; i <= mark; ++i) {
        const StoryPosition &position = story.at(i);
        if (position.characterFormat != format) {
            // No character reaches this value, so a format never reads as text.
            append(key, formatMarker);
            format = position.characterFormat;
            const CharacterFormat &character = story.characterFormat(format);
            appendText(key, character.fontName);
            append(key, character.sizeHalfPoints);
            append(key, character.bold);
            append(key, character.kerned());
        }
        append(key, position.character);
    }
    return key;
}

bool ParagraphMemo::find(const std::string &key, int from, ParagraphBox &box)
{
    auto found = m_current.find(key);
    if (found == m_current.end()) {
        const auto earlier = m_previous.find(key);
        if (earlier == m_previous.end())
            return false;
        found = m_current.emplace(key, earlier->second).first;
    }
    box = *found->second;
    shift(box, from);
    return true;
}

void ParagraphMemo::keep(const std::string &key, const ParagraphBox &box)
{
    m_current.emplace(key, std::make_shared<const ParagraphBox>(box));
}

} // namespace engine
