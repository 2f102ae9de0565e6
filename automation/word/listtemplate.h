#pragma once

#include <QString>
#include <memory>

namespace word {

class Font;

// One level of a list template: how its number or bullet looks and where it
// stands. Positions in points.
class ListLevel {
public:
    virtual ~ListLevel() = default;

    virtual void setNumberFormat(const QString &format) = 0;
    virtual void setTrailingCharacter(long trailing) = 0;
    virtual void setNumberStyle(long style) = 0;
    virtual void setNumberPosition(double points) = 0;
    virtual void setAlignment(long alignment) = 0;
    virtual void setTextPosition(double points) = 0;
    virtual void setTabPosition(double points) = 0;
    virtual void setResetOnHigher(long level) = 0;
    virtual void setStartAt(long start) = 0;
    virtual void setLinkedStyle(const QString &style) = 0;
    virtual std::shared_ptr<Font> font() = 0;
};

class ListTemplate {
public:
    virtual ~ListTemplate() = default;

    virtual QString name() const = 0;
    // Levels count from 1.
    virtual std::shared_ptr<ListLevel> listLevels(int level) = 0;
};

} // namespace word
