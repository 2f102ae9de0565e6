#include "paragraphmemo.h"

#include "model/documentmodel.h"

namespace engine {
namespace {

template <typename Value>
void append(QByteArray &key, const Value &value)
{
    key.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void appendText(QByteArray &key, const QString &text)
{
    append(key, text.size());
    key.append(reinterpret_cast<const char *>(text.constData()), text.size() * 2);
}

// Everything of a list's first level that its paragraphs are laid out with.
void appendListLevel(QByteArray &key, const ListLevelFormat &level)
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

void ParagraphMemo::beginLayout()
{
    m_previous = std::move(m_current);
    m_current.clear();
}

QByteArray ParagraphMemo::key(const DocumentModel &model, int from, int mark, int widthTwips, int listOrdinal)
{
    const Story &story = model.story;
    QByteArray key;
    key.reserve(static_cast<qsizetype>(mark - from + 1) * 8 + 64);
    append(key, widthTwips);
    append(key, listOrdinal);
    const int paragraphFormat = story.at(mark).paragraphFormat;
    append(key, paragraphFormat);
    const int list = story.paragraphFormat(paragraphFormat).list;
    if (list >= 0 && list < static_cast<int>(model.lists.size()))
        appendListLevel(key, model.lists[static_cast<size_t>(list)].levels[0]);
    for (int i = from; i <= mark; ++i) {
        const StoryPosition &position = story.at(i);
        append(key, position.character);
        append(key, position.characterFormat);
    }
    return key;
}

bool ParagraphMemo::find(const QByteArray &key, int from, ParagraphBox &box)
{
    auto found = m_current.constFind(key);
    if (found == m_current.constEnd()) {
        found = m_previous.constFind(key);
        if (found == m_previous.constEnd())
            return false;
        m_current.insert(key, found.value());
    }
    box = found.value();
    shift(box, from);
    return true;
}

void ParagraphMemo::keep(const QByteArray &key, const ParagraphBox &box)
{
    m_current.insert(key, box);
}

} // namespace engine
