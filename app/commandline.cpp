#include "commandline.h"

#include "makecommand.h"
#include "recordexchange.h"

#include <cstdio>

namespace app {
namespace {

const char *const helpText =
    "Usage: parvolin [--help | --version]\n"
    "       parvolin (--export | --import | --make) FILE\n"
    "\n"
    "Type your resume into one tabbed window, press one button, and get a\n"
    "Word-compatible document, previewed page by page and saved where you like.\n"
    "Started without arguments, the program opens its window.\n"
    "\n"
    "Options:\n"
    "  -h, --help         show this help and exit\n"
    "      --version      show the version and exit\n"
    "      --export FILE  write the stored resume to FILE as a JSON Resume\n"
    "                     document; '-' writes it to standard output\n"
    "      --import FILE  replace the stored resume by the JSON Resume document in\n"
    "                     FILE ('-': standard input); what the resume has no place\n"
    "                     for is listed, and the next start offers to put the\n"
    "                     replaced resume back\n"
    "      --make FILE    make the resume document from the stored resume without\n"
    "                     a window, as .doc, .docx or .pdf by FILE's extension\n"
    "\n"
    "The three commands need no display. They end with 0 when done and with 1,\n"
    "saying why, when not; a file that cannot be imported changes nothing.\n"
    "\n"
    "Environment:\n"
    "  PARVOLIN_ENGINE  another word-processor engine than the built-in one\n"
    "  TEMP             the folder for the generated document\n"
    "  XDG_CONFIG_HOME  the folder of the settings file Tarnwick.conf\n"
    "\n"
    "The manual page parvolin(1) says more.\n";

int refuse(QTextStream &err, const QString &problem)
{
    err << "parvolin: " << problem << "\n"
        << "Try 'parvolin --help' for more information.\n";
    return 2;
}

// --export, --import and --make with their one file, or nothing for another option.
std::optional<int> runFileCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString &command = arguments.first();
    if (command != QLatin1String("--export") && command != QLatin1String("--import")
        && command != QLatin1String("--make"))
        return std::nullopt;
    if (arguments.size() < 2 || arguments.at(1).isEmpty()
        || (arguments.at(1).startsWith(QLatin1Char('-')) && arguments.at(1) != QLatin1String("-")))
        return refuse(err, QStringLiteral("option '%1' needs a file name").arg(command));
    if (arguments.size() > 2)
        return refuse(err, QStringLiteral("unexpected argument '%1'").arg(arguments.at(2)));
    const QString &file = arguments.at(1);
    if (command == QLatin1String("--export"))
        return exportRecord(file, out, err);
    if (command == QLatin1String("--import"))
        return importRecord(file, err);
    if (!makesFileNamed(file))
        return refuse(err, QStringLiteral("'--make' writes .doc, .docx or .pdf files, not '%1'").arg(file));
    return makeDocument(file, err);
}

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
    if (const std::optional<int> exitCode = runFileCommand(arguments, out, err))
        return exitCode;
    const char *what = first.startsWith(QLatin1Char('-')) ? "unknown option" : "unexpected argument";
    return refuse(err, QStringLiteral("%1 '%2'").arg(QLatin1String(what), first));
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
