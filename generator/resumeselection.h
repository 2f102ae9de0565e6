#pragma once

#include <QString>
#include <functional>

namespace generator {

class ResumeSession;

// The numbers of a heading's steps, in the order they run.
struct HeadingSteps {
    int fontSize, fontName, bold, text, alignBottom, cells;
    int leftSide, rightSide, topSide;
    int rule, ruleStyle, ruleWidth, ruleColour, shadow;
};

// The numbers of the three steps that set a font's size, name and boldness.
struct FontSteps {
    int size, name, bold;
};

// The test and the typing of one job of the three-way choice on the job.
struct JobChoiceSteps {
    int test, type;
};

// The numbered steps that act on the document window's selection: moving from
// cell to cell, merging rows, formatting, typing, headings and bullets. Every
// method is given the number of each step it runs.
class ResumeSelection {
public:
    explicit ResumeSelection(ResumeSession &session);

    // From the last cell of a row it goes on to the next row.
    void nextCell(int step);
    // From the first cell of a row: the row becomes one cell.
    void mergeRow(int selectStep, int mergeStep);
    // Next cell, then merge the row it is in.
    void nextMergedRow(int nextStep, int selectStep, int mergeStep);

    void setFontSize(int step, double points);
    void setFontName(int step, const QString &name);
    void setBold(int step, bool bold);
    void setFont(const FontSteps &steps, double points, const QString &name, bool bold);
    void setAlignment(int step, long alignment);
    void alignCellsToBottom(int step);
    void insertContactSymbol(int step);

    // `text` is asked for inside the step.
    void typeText(int step, const std::function<QString()> &text);
    void typeField(int step, const QString &fieldName);
    // The three-way choice on the job: for each of jobs 1 to 3 a test and,
    // when it is `job`, the typing of `textOfJob` for it.
    void typeForJob(int job, JobChoiceSteps first, JobChoiceSteps second, JobChoiceSteps third,
                    const std::function<QString(int job)> &textOfJob);

    // In a merged row: the heading's font and text, bottom alignment, and a
    // single rule of `ruleWidth` (eighths of a point) under it.
    void heading(const HeadingSteps &steps, const QString &text, long ruleWidth);

    // From the end of the third responsibility: selects the three
    // responsibility lines and bullets them.
    void bulletResponsibilities(int homeStep, int upStep, int downStep, int leftStep, int bulletStep);
    // From the end of the awards: bullets the awards line.
    void bulletAwards(int extendStep, int bulletStep);

private:
    void applyBullets(int step);

    ResumeSession &m_session;
};

} // namespace generator
