#include "docxpackage.h"

#include "automation/failure.h"

#include <zip.h>

#include <memory>

namespace engine {
namespace {

// Every part carries the same time, so that the same document always gives
// the same bytes (2000-01-01).
constexpr time_t partTime = 946684800;

automation::Failure zipFailure(const char *what, const char *cause)
{
    return automation::Failure(QStringLiteral("The Word document could not be packed (%1: %2).")
                                   .arg(QLatin1String(what), QString::fromUtf8(cause)));
}

struct ArchiveCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct SourceFreer {
    void operator()(zip_source_t *source) const { zip_source_free(source); }
};

void addPart(zip_t *archive, const char *name, const QByteArray &bytes)
{
    // The buffer is only referred to, not copied: the parts outlive the archive.
    zip_source_t *source = zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
    if (!source)
        throw zipFailure(name, zip_strerror(archive));
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw zipFailure(name, zip_strerror(archive));
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 0) != 0
        || zip_file_set_mtime(archive, entry, partTime, 0) != 0)
        throw zipFailure(name, zip_strerror(archive));
}

QByteArray readAll(zip_source_t *source)
{
    if (zip_source_open(source) != 0)
        throw zipFailure("reading", zip_error_strerror(zip_source_error(source)));
    QByteArray bytes;
    char chunk[16384];
    zip_int64_t got = 0;
    while ((got = zip_source_read(source, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<qsizetype>(got));
    zip_source_close(source);
    if (got < 0)
        throw zipFailure("reading", zip_error_strerror(zip_source_error(source)));
    return bytes;
}

} // namespace

void DocxPackage::add(const char *name, const QByteArray &bytes)
{
    m_parts.emplace_back(name, bytes);
}

QByteArray DocxPackage::zipped() const
{
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceFreer> buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer)
        throw zipFailure("buffer", zip_error_strerror(&error));
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive)
        throw zipFailure("opening", zip_error_strerror(&error));
    // Closing the archive would free the buffer it writes to; keep it to read it back.
    zip_source_keep(buffer.get());
    for (const auto &[name, bytes] : m_parts)
        addPart(archive.get(), name, bytes);
    if (zip_close(archive.get()) != 0)
        throw zipFailure("closing", zip_strerror(archive.get()));
    archive.release();
    return readAll(buffer.get());
}

} // namespace engine
