#pragma once

#include <memory>

namespace word {

class ListTemplate;

class ListFormat {
public:
    virtual ~ListFormat() = default;
    // Applies the template's first level to every paragraph the range touches.
    virtual void applyListTemplate(const std::shared_ptr<ListTemplate> &listTemplate,
                                   bool continuePreviousList, long applyTo,
                                   long defaultListBehavior) = 0;
};

class Range {
public:
    virtual ~Range() = default;
    virtual std::shared_ptr<ListFormat> listFormat() = 0;
};

} // namespace word
