#pragma once

#include "model/documentmodel.h"
#include "automation/word/document.h"

#include <QString>
#include <vector>

// Read-only views of an engine document's story, for checking what the
// automation calls built.
struct CellView {
    engine::CellFormat format;
    // The cell's paragraphs: their text and the mark that ends each.
    QStringList paragraphs;
    std::vector<engine::StoryPosition> marks;
};

struct RowView {
    engine::RowFormat format;
    std::vector<CellView> cells;
};

class StoryInspection {
public:
    static engine::DocumentModel &model(word::Document &document);
    static std::vector<RowView> rows(const engine::Story &story);
    // The characters of [from, to), marks shown as "|".
    static QString text(const engine::Story &story, int from, int to);
    // The format of the first character of `text` in the story.
    static engine::CharacterFormat formatOf(const engine::Story &story, const QString &text);
};
