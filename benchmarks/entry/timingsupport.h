#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

// Prints the median, 90th percentile and largest of `samples` (milliseconds).
inline void printSummary(const char *what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double fraction) {
        return samples[static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1))];
    };
    std::printf("%-40s n=%zu  median %.3f ms  p90 %.3f ms  max %.3f ms\n", what, samples.size(), at(0.5),
                at(0.9), samples.back());
}

// Draws off screen unless a platform is chosen (QT_QPA_PLATFORM=xcb under
// xvfb-run times the real program's drawing). Call before QApplication.
inline void offscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Points the settings store at a throw-away folder for the run.
inline QTemporaryDir privateSettings()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    return dir;
}
