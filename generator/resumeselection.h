#pragma once

#include <QString>
#include <functional>

namespace generator {

class ResumeSession;

// The numbered steps that act on the document window's selection: moving from
// cell to cell, merging rows, formatting, typing, headings and bullets. Each
// method takes the number of its first step; those that may take a varying
// number of steps return the number of the step that follows them.
class ResumeSelection {
public:
    explicit ResumeSelection(ResumeSession &session);

    // One step: from the last cell of a row it goes on to the next row.
    void nextCell(int step);
    // Two steps, from the first cell of a row: the row becomes one cell.
    void mergeRow(int step);
    // Three steps: next cell, then merge the row it is in.
    void nextMergedRow(int step);

    void setFontSize(int step, double points);
    void setFontName(int step, const QString &name);
    void setBold(int step, bool bold);
    void setAlignment(int step, long alignment);
    void alignCellsToBottom(int step);
    void insertContactSymbol(int step);

    // One step each; `text` is asked for inside the step.
    int typeText(int step, const std::function<QString()> &text);
    int typeField(int step, const QString &fieldName);
    // The three-way choice on the job: for each of jobs 1 to 3 a test and,
    // when it is `job`, the typing of `textOfJob` for it. Six steps.
    int typeForJob(int step, int job, const std::function<QString(int job)> &textOfJob);

    // Fourteen steps in a merged row: the heading's font and text, bottom
    // alignment, and a single rule of `ruleWidth` (eighths of a point) under it.
    void heading(int step, const QString &text, long ruleWidth);
    // Seventeen steps: next cell, merge row, heading.
    void headingRow(int step, const QString &text, long ruleWidth);

    // Five steps from the end of the third responsibility: selects the three
    // responsibility lines and bullets them.
    void bulletResponsibilities(int step);
    // Two steps from the end of the awards: bullets the awards line.
    void bulletAwards(int step);

private:
    void applyBullets(int step);

    ResumeSession &m_session;
};

} // namespace generator
