// libFuzzer entry point for the RTF reader: any input is read or refused with
// a automation::Failure, and whatever is accepted writes and reads back unchanged.
#include "formats/rtf/rtfreader.h"
#include "formats/rtf/rtfwriter.h"
#include "automation/failure.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QByteArray written = engine::RtfWriter::write(engine::RtfReader::read(bytes));
        if (engine::RtfWriter::write(engine::RtfReader::read(written)) != written)
            std::abort();
    } catch (const automation::Failure &) {
    }
    return 0;
}
