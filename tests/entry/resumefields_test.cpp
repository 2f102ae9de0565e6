#include "entry/resumefields.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace entry;

TEST(ResumeFields, NamesAndKeysAreUnique)
{
    QSet<QString> names;
    QSet<QString> keys;
    for (const ResumeField &field : resumeFields()) {
        names.insert(QString::fromLatin1(field.name));
        keys.insert(QString::fromLatin1(field.key));
    }
    EXPECT_EQ(names.size(), resumeFieldCount);
    EXPECT_EQ(keys.size(), resumeFieldCount);
}

TEST(ResumeFields, RestoreRunsInNameOrderWithSteps128To194)
{
    const char *expected[] = {
        "txtCity", "txtCity1", "txtCity2", "txtCity3", "txtCompany1", "txtCompany2", "txtCompany3",
        "txtDateEmployment1", "txtDateEmployment2", "txtDateEmployment3", "txtDateOfAttendance",
        "txtDegreeObtained", "txtEmail", "txtExp1JobRes1", "txtExp1JobRes2", "txtExp1JobRes3",
        "txtExp2JobRes1", "txtExp2JobRes2", "txtExp2JobRes3", "txtExp3JobRes1", "txtExp3JobRes2",
        "txtExp3JobRes3", "txtJobTitle1", "txtJobTitle2", "txtJobTitle3", "txtObjective", "txtPhone",
        "txtReferences", "txtSchoolCity", "txtSchoolName", "txtSpecialAwards", "txtStreetAddress",
        "txtYourName", "txtZipCode",
    };
    const auto &order = restoreOrder();
    ASSERT_EQ(order.size(), std::size(expected));
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_STREQ(resumeFields()[order[i]].name, expected[i]) << i;
    EXPECT_EQ(restoreStep(0), 128);
    EXPECT_EQ(restoreStep(33), 194);
}

TEST(ResumeFields, JobFieldsFollowOnePattern)
{
    for (int job = 1; job <= 3; ++job) {
        const int first = 7 + (job - 1) * 7;
        EXPECT_EQ(QString::fromLatin1(resumeFields()[first].key), QStringLiteral("Date Of Employment %1").arg(job));
        EXPECT_EQ(QString::fromLatin1(resumeFields()[first + 3].name), QStringLiteral("txtJobTitle%1").arg(job));
        for (int m = 1; m <= 3; ++m) {
            const ResumeField &field = resumeFields()[first + 3 + m];
            EXPECT_EQ(QString::fromLatin1(field.name), QStringLiteral("txtExp%1JobRes%2").arg(job).arg(m));
            EXPECT_EQ(QString::fromLatin1(field.key), QStringLiteral("Job Responsibility %1.%2").arg(job).arg(m));
            EXPECT_EQ(QString::fromLatin1(field.label), QStringLiteral("Job reponsibilities /achievements %1:").arg(m));
        }
    }
}
