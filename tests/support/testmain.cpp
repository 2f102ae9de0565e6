#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Nothing a test does may reach the user's own settings or temporary files.
    testsupport::freshSettingsFolder();
    const QString temp = testsupport::freshFolder(QStringLiteral("temp"));
    qputenv("TEMP", QFile::encodeName(temp));
    testsupport::useLetterPaper();
    qputenv("XDG_DATA_HOME", QFile::encodeName(testsupport::freshFolder(QStringLiteral("data"))));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
