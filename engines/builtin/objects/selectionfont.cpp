#include "selectionfont.h"

#include "argumentcheck.h"
#include "documentstate.h"
#include "fontname.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

#include <cmath>

namespace engine {

SelectionFont::SelectionFont(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

void SelectionFont::set(word::FontProperty property, double value)
{
    m_state->ensureOpen();
    std::function<void(CharacterFormat &)> change;
    if (property == word::FontProperty::Bold) {
        const bool bold = requireFlag(value, QStringLiteral("Bold"));
        change = [bold](CharacterFormat &format) { format.bold = bold; };
    } else if (property == word::FontProperty::Size) {
        requireWithin(value, 1, 1638, QStringLiteral("The font size in points"));
        // Word keeps sizes in half points.
        const int halfPoints = static_cast<int>(std::lround(value * 2));
        change = [halfPoints](CharacterFormat &format) { format.sizeHalfPoints = halfPoints; };
    } else {
        throw automation::Failure(QStringLiteral("The built-in word processor sets only the name, size and bold "
                                         "state of text."));
    }
    m_state->editor().changeCharacterFormat(change);
    m_state->markModified();
}

double SelectionFont::get(word::FontProperty property) const
{
    m_state->ensureOpen();
    const CharacterFormat &format = m_state->editor().typingFormat();
    if (property == word::FontProperty::Bold)
        return format.bold ? word::True : word::False;
    if (property == word::FontProperty::Size)
        return format.sizeHalfPoints / 2.0;
    return word::False;
}

void SelectionFont::setName(const QString &name)
{
    m_state->ensureOpen();
    requireFontName(name);
    m_state->editor().changeCharacterFormat([name](CharacterFormat &format) { format.fontName = name; });
    m_state->markModified();
}

QString SelectionFont::name() const
{
    m_state->ensureOpen();
    return m_state->editor().typingFormat().fontName;
}

} // namespace engine
