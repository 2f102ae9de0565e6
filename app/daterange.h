#pragma once

#include <QString>

namespace app {

// The start and end of a stretch of time as ISO 8601 calendar dates of the
// precision they were given in ("2018", "2018-05", "2018-05-03"); an empty end
// means the stretch goes on today, an empty start that none could be read.
struct DateRange {
    QString start;
    QString end;

    bool operator==(const DateRange &other) const { return start == other.start && end == other.end; }

    // The dates read from text typed by a person: "May 2018 - June 2021",
    // "05/2018 to present", "2015-2019 (part time)", "3/14/2019", "1999".
    // Text that does not read as dates gives an empty range.
    static DateRange fromTypedText(const QString &typed);

    // The range as a person would type it: "May 2018 - June 2021",
    // "May 3, 2018 - Present", "2019". Dates that are not ISO stay as they are.
    QString typedText() const;
};

} // namespace app
