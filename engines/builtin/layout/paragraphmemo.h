#pragma once

#include "paragraphbox.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace engine {

struct DocumentModel;

// The paragraphs of the last layout, by what decides how they look: their
// characters and formats, list mark and column width. An edit changes few
// paragraphs; the next layout takes every other one from here, at its new
// place in the story, instead of shaping its text again. The same holds for
// a saved document opened again: its paragraphs are those just laid out.
class ParagraphMemo {
public:
    // The memo every document of the process shares.
    static ParagraphMemo &shared();

    // Starts a new layout: what the last one laid out stays on offer.
    void beginLayout();
    // Ends it: whatever it did not ask for is forgotten.
    void endLayout();

    // What decides the look of paragraph [from, mark] of `model` at
    // `widthTwips` and list number `listOrdinal`.
    static std::string key(const DocumentModel &model, int from, int mark, int widthTwips, int listOrdinal);

    // The paragraph laid out as `key` says, moved to start at `from`; false
    // when no layout of such a paragraph is kept.
    bool find(const std::string &key, int from, ParagraphBox &box);
    // Keeps `box` as the layout of paragraphs like `key`.
    void keep(const std::string &key, const ParagraphBox &box);

private:
    // Shared, so that carrying a layout over to the next generation copies no lines.
    using Boxes = std::unordered_map<std::string, std::shared_ptr<const ParagraphBox>>;
    Boxes m_previous;
    Boxes m_current;
};

} // namespace engine
