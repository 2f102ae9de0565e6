#include "storyinspection.h"

#include "objects/builtindocument.h"
#include "objects/documentstate.h"

#include <stdexcept>

using namespace engine;

DocumentModel &StoryInspection::model(word::Document &document)
{
    auto *ours = dynamic_cast<BuiltInDocument *>(&document);
    if (!ours)
        throw std::logic_error("not a built-in document");
    return ours->state()->changeModel();
}

std::vector<RowView> StoryInspection::rows(const Story &story)
{
    std::vector<RowView> rows;
    RowView row;
    CellView cell;
    QString paragraph;
    for (int i = 0; i < story.size(); ++i) {
        const StoryPosition &position = story.at(i);
        switch (position.mark) {
        case Mark::None: paragraph += QString::fromUcs4(&position.character, 1); break;
        case Mark::Paragraph: paragraph.clear(); break;
        case Mark::CellParagraph:
        case Mark::CellEnd:
            cell.paragraphs << paragraph;
            cell.marks.push_back(position);
            paragraph.clear();
            if (position.mark == Mark::CellEnd) {
                cell.format = story.cell(position.structure);
                row.cells.push_back(cell);
                cell = CellView();
            }
            break;
        case Mark::RowEnd:
            row.format = story.row(position.structure);
            rows.push_back(row);
            row = RowView();
            break;
        }
    }
    return rows;
}

QString StoryInspection::text(const Story &story, int from, int to)
{
    QString text;
    for (int i = from; i < to; ++i) {
        const StoryPosition &position = story.at(i);
        text += position.mark == Mark::None ? QString::fromUcs4(&position.character, 1) : QStringLiteral("|");
    }
    return text;
}

CharacterFormat StoryInspection::formatOf(const Story &story, const QString &text)
{
    const QString all = StoryInspection::text(story, 0, story.size());
    const auto at = all.indexOf(text);
    if (at < 0)
        throw std::logic_error("text not in the story");
    // Positions and UTF-16 units agree for the plain texts the tests look for.
    return story.characterFormat(story.at(static_cast<int>(at)).characterFormat);
}
