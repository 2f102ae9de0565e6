#include "sampledata.h"

#include "resumefields.h"

#include <array>

namespace entry {

QString sampleValue(int row)
{
    static const std::array<const char *, resumeFieldCount> values = {{
        "Marjorie L. Castellane",
        "1427 Alder Creek Road",
        "Fairhaven, OR",
        "97338",
        "541-555-0187",
        "m.castellane@example.com",
        "To lead a customer support team in a growing software company.",
        "March 2019 - June 2024 (full time)",
        "Brightwater Analytics",
        "Eugene, OR",
        "Customer Support Supervisor",
        "Led a team of nine support specialists",
        "Cut average response time by a third",
        "Wrote the onboarding guide for new staff",
        "August 2015 - February 2019",
        "Cascade Office Supply",
        "Salem, OR",
        "Support Specialist",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "2011 - 2015",
        "Willamette Valley College",
        "Corvallis, OR",
        "Bachelor of Arts in Communication",
        "None",
        "None",
    }};
    return QString::fromUtf8(values.at(static_cast<std::size_t>(row)));
}

} // namespace entry
