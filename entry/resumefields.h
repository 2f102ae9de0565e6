#pragma once

#include <QString>
#include <array>
#include <vector>

namespace entry {

// One of the 34 fields of the resume record: the name of its text box, the
// settings key it is stored under, and the label shown beside it.
struct ResumeField {
    const char *name;
    const char *key;
    const char *label;
    bool multiLine;
};

constexpr int resumeFieldCount = 34;
// Rows 1 to 6 stand on the personal-data frame, the rest on the tab pages.
constexpr int personalFieldCount = 6;

// The fields in on-screen order (row 1 is txtYourName, row 34 txtReferences).
const std::array<ResumeField, resumeFieldCount> &resumeFields();

// The field with the given text-box name, or null.
const ResumeField *findResumeField(const QString &name);

// Row numbers (0-based, in on-screen order) in the order fields are restored at
// start-up: ascending by text-box name.
const std::vector<int> &restoreOrder();

// The report step of restoring the field that is restored `position`-th (from 0).
constexpr int restoreStep(int position)
{
    return 128 + 2 * position;
}

// The report step of setting the field of on-screen row `row` (from 0) when the
// whole record is cleared or filled with the example.
constexpr int setFieldStep(int row)
{
    return 100 + 2 * row;
}

} // namespace entry
