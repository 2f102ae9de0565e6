#include "commandline.h"

#include <cstdio>

namespace app {
namespace {

const char *const helpText =
    "Usage: parvolin [--help | --version]\n"
    "\n"
    "Type your resume into one tabbed window, press one button, and get a\n"
    "Word-compatible document, previewed page by page and saved where you like.\n"
    "Started without arguments, the program opens its window.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Environment:\n"
    "  PARVOLIN_ENGINE  another word-processor engine than the built-in one\n"
    "  TEMP             the folder for the generated document\n"
    "  XDG_CONFIG_HOME  the folder of the settings file Tarnwick.conf\n"
    "\n"
    "The manual page parvolin(1) says more.\n";

} // namespace

std::optional<int> handleCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // The first argument decides, as a getopt-style reader would stop there.
    if (arguments.isEmpty())
        return std::nullopt;
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << helpText;
        return 0;
    }
    if (first == QLatin1String("--version")) {
        out << "parvolin " PARVOLIN_VERSION "\n";
        return 0;
    }
    const char *what = first.startsWith(QLatin1Char('-')) ? "unknown option" : "unexpected argument";
    err << "parvolin: " << what << " '" << first << "'\n"
        << "Try 'parvolin --help' for more information.\n";
    return 2;
}

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return handleCommandLine(arguments, out, err);
}

} // namespace app
