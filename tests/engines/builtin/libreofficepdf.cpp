#include "libreofficepdf.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

QString soffice()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

QString run(const QString &program, const QStringList &arguments, QString *failure)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        *failure = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString decodeEntities(QString text)
{
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

bool rightToLeft(QChar c)
{
    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
}

// pdftotext gives a word's letters in the order they stand on the page;
// Arabic and Hebrew letters are turned back into the order they are typed in.
QString typedOrder(QString text)
{
    for (auto run = text.begin(); run != text.end();) {
        if (!rightToLeft(*run)) {
            ++run;
            continue;
        }
        const auto end = std::find_if_not(run, text.end(), rightToLeft);
        std::reverse(run, end);
        run = end;
    }
    return text;
}

} // namespace

bool LibreOfficePdf::available()
{
    return !soffice().isEmpty();
}

QString LibreOfficePdf::fontConfigFile(const QString &folder)
{
    // LibreOffice finds Wine's Tahoma and Wingdings only when fontconfig is told of their folder.
    const QString path = folder + QStringLiteral("/fonts.conf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                   "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                   "  <dir>/usr/share/wine/fonts</dir>\n"
                   "  <cachedir>"
                   + folder.toUtf8() + "/fontcache</cachedir>\n</fontconfig>\n");
    }
    return path;
}

QString LibreOfficePdf::convert(const QString &folder, const QStringList &rtfPaths)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), fontConfigFile(folder));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(soffice(),
                  QStringList{QStringLiteral("-env:UserInstallation=file://") + folder + QStringLiteral("/profile"),
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                              QStringLiteral("--outdir"), folder}
                      + rtfPaths);
    if (!process.waitForFinished(240000) || process.exitCode() != 0) {
        process.kill();
        return QStringLiteral("soffice failed: ") + QString::fromLocal8Bit(process.readAll());
    }
    return QString();
}

QString LibreOfficePdf::cachedPath(const QByteArray &rtf)
{
    const QFileInfo program(QFileInfo(soffice()).canonicalFilePath());
    const QByteArray key = QCryptographicHash::hash(rtf + program.lastModified().toString(Qt::ISODate).toUtf8(),
                                                    QCryptographicHash::Sha256);
    return QDir::tempPath() + QStringLiteral("/parvolin-layout-") + QString::fromLatin1(key.toHex())
        + QStringLiteral(".pdf");
}

QString LibreOfficePdf::convertAll(const std::vector<QByteArray> &rtfs, const QString &suffix)
{
    if (!available())
        return QStringLiteral("soffice is not installed");
    // Test programs run side by side; one converts while the others wait for its files.
    QLockFile lock(QDir::tempPath() + QStringLiteral("/parvolin-layout.lock"));
    lock.setStaleLockTime(300000);
    if (!lock.lock())
        return QStringLiteral("cannot lock ") + QDir::tempPath() + QStringLiteral("/parvolin-layout.lock");
    const QString folder =
        QDir::tempPath() + QStringLiteral("/parvolin-layout-") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(folder);
    QStringList inputs;
    QStringList targets;
    for (const QByteArray &rtf : rtfs) {
        const QString target = cachedPath(rtf);
        if (QFile::exists(target) || targets.contains(target))
            continue;
        // LibreOffice chooses its import filter by the name as well as the content.
        const bool word97 = rtf.startsWith("\xD0\xCF\x11\xE0");
        const QString extension = !suffix.isEmpty() ? suffix : QString::fromLatin1(word97 ? "doc" : "rtf");
        QFile file(folder + QStringLiteral("/document%1.").arg(inputs.size()) + extension);
        if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
            return QStringLiteral("cannot write ") + file.fileName();
        inputs << file.fileName();
        targets << target;
    }
    QString failure = inputs.isEmpty() ? QString() : convert(folder, inputs);
    // A rename puts each finished file in place at once, so no test reads half of one.
    for (int i = 0; i < inputs.size() && failure.isEmpty(); ++i) {
        if (!QFile::rename(folder + QStringLiteral("/document%1.pdf").arg(i), targets.at(i)))
            failure = QStringLiteral("LibreOffice wrote no PDF for ") + inputs.at(i);
    }
    QDir(folder).removeRecursively();
    return failure;
}

LibreOfficePdf::LibreOfficePdf(const QByteArray &rtf, const QString &suffix)
    : m_failure(convertAll({rtf}, suffix))
{
    if (m_failure.isEmpty())
        m_pdf = cachedPath(rtf);
}

LibreOfficePdf LibreOfficePdf::ofPdf(const QString &pdfPath)
{
    LibreOfficePdf pdf;
    pdf.m_pdf = pdfPath;
    if (!QFileInfo::exists(pdfPath))
        pdf.m_failure = QStringLiteral("there is no PDF at ") + pdfPath;
    return pdf;
}

int LibreOfficePdf::pageCount() const
{
    QString failure;
    const QString info = run(QStringLiteral("pdfinfo"), {m_pdf}, &failure);
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QSizeF LibreOfficePdf::pageSizePoints() const
{
    QString failure;
    const QString info = run(QStringLiteral("pdfinfo"), {m_pdf}, &failure);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

std::vector<PdfWord> LibreOfficePdf::words() const
{
    QString failure;
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), m_pdf, QStringLiteral("-")}, &failure);
    static const QRegularExpression item(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble(),
                         match.captured(4).toDouble(), typedOrder(decodeEntities(match.captured(5)))});
    }
    return words;
}
