#pragma once

#include <QString>

namespace word {

// The character properties Word's Font object offers. Each takes Word's values:
// True (-1) or False (0) for the flags, points for Size, a colour number for
// Color, and wdUndefined (9999999) for "leave as it is".
enum class FontProperty {
    Bold,
    Italic,
    StrikeThrough,
    Subscript,
    Superscript,
    Shadow,
    Outline,
    Emboss,
    Engrave,
    AllCaps,
    Hidden,
    Underline,
    Color,
    Size,
    Animation,
    DoubleStrikeThrough,
};

// A character format: of the selection (acting on the selected text and on text
// typed after it) or of a list level (the bullet's own format).
class Font {
public:
    virtual ~Font() = default;

    virtual void set(FontProperty property, double value) = 0;
    virtual double get(FontProperty property) const = 0;
    virtual void setName(const QString &name) = 0;
    virtual QString name() const = 0;

    // Size in points.
    void setSize(double points) { set(FontProperty::Size, points); }
    double size() const { return get(FontProperty::Size); }
    void setBold(bool bold) { set(FontProperty::Bold, bold ? -1 : 0); }
};

} // namespace word
