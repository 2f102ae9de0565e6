#include "resumefields.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace entry {

const std::array<ResumeField, resumeFieldCount> &resumeFields()
{
    static const std::array<ResumeField, resumeFieldCount> fields = {{
        {"txtYourName", "Your Name", "Your Name:", false},
        {"txtStreetAddress", "Street Address", "Street Address:", false},
        {"txtCity", "City", "City/State:", false},
        {"txtZipCode", "Zip Code", "Zip Code:", false},
        {"txtPhone", "Phone", "Phone:", false},
        {"txtEmail", "Email", "Email:", false},
        {"txtObjective", "Objective", "Describe your career goal or ideal job:", true},
        {"txtDateEmployment1", "Date Of Employment 1", "Date of Employment:", false},
        {"txtCompany1", "Company 1", "Company Name:", false},
        {"txtCity1", "City 1", "City, State:", false},
        {"txtJobTitle1", "Job Title 1", "Job Title:", false},
        {"txtExp1JobRes1", "Job Responsibility 1.1", "Job reponsibilities /achievements 1:", false},
        {"txtExp1JobRes2", "Job Responsibility 1.2", "Job reponsibilities /achievements 2:", false},
        {"txtExp1JobRes3", "Job Responsibility 1.3", "Job reponsibilities /achievements 3:", false},
        {"txtDateEmployment2", "Date Of Employment 2", "Date of Employment:", false},
        {"txtCompany2", "Company 2", "Company Name:", false},
        {"txtCity2", "City 2", "City, State:", false},
        {"txtJobTitle2", "Job Title 2", "Job Title:", false},
        {"txtExp2JobRes1", "Job Responsibility 2.1", "Job reponsibilities /achievements 1:", false},
        {"txtExp2JobRes2", "Job Responsibility 2.2", "Job reponsibilities /achievements 2:", false},
        {"txtExp2JobRes3", "Job Responsibility 2.3", "Job reponsibilities /achievements 3:", false},
        {"txtDateEmployment3", "Date Of Employment 3", "Date of Employment:", false},
        {"txtCompany3", "Company 3", "Company Name:", false},
        {"txtCity3", "City 3", "City, State:", false},
        {"txtJobTitle3", "Job Title 3", "Job Title:", false},
        {"txtExp3JobRes1", "Job Responsibility 3.1", "Job reponsibilities /achievements 1:", false},
        {"txtExp3JobRes2", "Job Responsibility 3.2", "Job reponsibilities /achievements 2:", false},
        {"txtExp3JobRes3", "Job Responsibility 3.3", "Job reponsibilities /achievements 3:", false},
        {"txtDateOfAttendance", "Date Of Attendance", "Date of Attendance:", false},
        {"txtSchoolName", "School Name", "School Name:", false},
        {"txtSchoolCity", "School City", "City, State:", false},
        {"txtDegreeObtained", "Degree Obtained", "Degree Obtained:", false},
        {"txtSpecialAwards", "Special Awards", "Special Awards:", false},
        {"txtReferences", "References", "References are available on request:", true},
    }};
    return fields;
}

const ResumeField *findResumeField(const QString &name)
{
    for (const ResumeField &field : resumeFields()) {
        if (name == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

const std::vector<int> &restoreOrder()
{
    static const std::vector<int> order = [] {
        std::vector<int> rows(resumeFieldCount);
        std::iota(rows.begin(), rows.end(), 0);
        const auto &fields = resumeFields();
        std::sort(rows.begin(), rows.end(), [&fields](int a, int b) {
            return std::strcmp(fields[a].name, fields[b].name) < 0;
        });
        return rows;
    }();
    return order;
}

} // namespace entry
