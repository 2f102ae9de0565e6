// libFuzzer entry point for the Word 97 reader: any input is read or refused
// with an automation::Failure, and whatever is accepted writes and reads back
// unchanged.
#include "formats/word97/word97reader.h"
#include "formats/word97/word97writer.h"
#include "automation/failure.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QByteArray written = engine::Word97Writer::write(engine::Word97Reader::read(bytes));
        if (engine::Word97Writer::write(engine::Word97Reader::read(written)) != written)
            std::abort();
    } catch (const automation::Failure &) {
    }
    return 0;
}
