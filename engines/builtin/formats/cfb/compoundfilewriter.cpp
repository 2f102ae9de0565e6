#include "compoundfilewriter.h"

#include "compoundfile.h"
#include "formats/binary/littleendianwriter.h"

#include <algorithm>

namespace engine {
namespace {

using CF = CompoundFile;

int sectorsFor(qsizetype bytes, int sectorSize)
{
    return static_cast<int>((bytes + sectorSize - 1) / sectorSize);
}

// Orders directory entries as the format's tree requires: shorter names
// first, equal lengths by their upper-case letters.
bool entryBefore(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a.toUpper() < b.toUpper();
}

struct TreeNode {
    uint32_t left = CF::noStream;
    uint32_t right = CF::noStream;
    bool red = false;
};

// Builds a balanced tree over the sorted entries [from, to), whose ids are
// their index + 1; returns the subtree's root id. Nodes on the one incomplete
// level are red, so every path holds as many black nodes.
uint32_t buildTree(std::vector<TreeNode> &nodes, int from, int to, int depth, int fullDepth)
{
    if (from >= to)
        return CF::noStream;
    const int middle = (from + to) / 2;
    TreeNode &node = nodes[static_cast<size_t>(middle)];
    node.red = depth >= fullDepth;
    node.left = buildTree(nodes, from, middle, depth + 1, fullDepth);
    nodes[static_cast<size_t>(middle)].right = buildTree(nodes, middle + 1, to, depth + 1, fullDepth);
    return static_cast<uint32_t>(middle + 1);
}

void writeEntry(QByteArray &out, const QString &name, int type, const TreeNode &node, uint32_t child,
                uint32_t start, uint32_t size)
{
    LittleEndianWriter w(out);
    const qsizetype begin = out.size();
    w.utf16(name);
    w.zeros(static_cast<int>(64 - (out.size() - begin)));
    w.u16(name.isEmpty() ? 0 : static_cast<uint32_t>((name.size() + 1) * 2));
    w.u8(static_cast<uint32_t>(type));
    w.u8(node.red ? 0 : 1);
    w.u32(node.left);
    w.u32(node.right);
    w.u32(child);
    if (type == 5) {
        // The class of a Word document, so that tools name the file's kind.
        for (const unsigned char b : {0x06, 0x09, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00,
                                      0x00, 0x00, 0x00, 0x46})
            w.u8(b);
    } else {
        w.zeros(16);
    }
    w.zeros(4 + 16);
    w.u32(start);
    w.u32(size);
    w.u32(0);
}

void chain(std::vector<uint32_t> &fat, uint32_t start, int count)
{
    for (int i = 0; i < count; ++i)
        fat[start + static_cast<uint32_t>(i)] = i + 1 < count ? start + static_cast<uint32_t>(i) + 1 : CF::endOfChain;
}

} // namespace

void CompoundFileWriter::addStream(const QString &name, const QByteArray &bytes)
{
    m_streams.push_back({name, bytes, 0});
}

QByteArray CompoundFileWriter::write() const
{
    std::vector<Stream> streams = m_streams;
    std::sort(streams.begin(), streams.end(), [](const Stream &a, const Stream &b) { return entryBefore(a.name, b.name); });

    // The mini stream and its allocation table.
    QByteArray miniStream;
    std::vector<uint32_t> miniFat;
    for (Stream &stream : streams) {
        if (stream.bytes.size() >= CF::miniStreamCutoff)
            continue;
        const int count = sectorsFor(stream.bytes.size(), CF::miniSectorSize);
        stream.start = count == 0 ? CF::endOfChain : static_cast<uint32_t>(miniFat.size());
        miniFat.resize(miniFat.size() + static_cast<size_t>(count));
        if (count > 0)
            chain(miniFat, stream.start, count);
        miniStream += stream.bytes;
        LittleEndianWriter(miniStream).alignTo(CF::miniSectorSize);
    }

    // Sectors in file order: large streams, the mini stream, the directory,
    // the mini FAT, then the FAT and any DIFAT sectors that index it.
    uint32_t next = 0;
    for (Stream &stream : streams) {
        if (stream.bytes.size() < CF::miniStreamCutoff)
            continue;
        stream.start = next;
        next += static_cast<uint32_t>(sectorsFor(stream.bytes.size(), CF::sectorSize));
    }
    const int miniStreamSectors = sectorsFor(miniStream.size(), CF::sectorSize);
    const uint32_t miniStreamStart = miniStreamSectors ? next : CF::endOfChain;
    next += static_cast<uint32_t>(miniStreamSectors);
    const int directorySectors = sectorsFor((static_cast<qsizetype>(streams.size()) + 1) * CF::entrySize, CF::sectorSize);
    const uint32_t directoryStart = next;
    next += static_cast<uint32_t>(directorySectors);
    const int miniFatSectors = sectorsFor(static_cast<qsizetype>(miniFat.size()) * 4, CF::sectorSize);
    const uint32_t miniFatStart = miniFatSectors ? next : CF::endOfChain;
    next += static_cast<uint32_t>(miniFatSectors);
    int fatSectors = 1;
    int difatSectors = 0;
    for (;;) {
        difatSectors = std::max(0, (fatSectors - CF::headerDifatEntries + 126) / 127);
        if (static_cast<qint64>(next) + fatSectors + difatSectors <= static_cast<qint64>(fatSectors) * 128)
            break;
        ++fatSectors;
    }
    const uint32_t fatStart = next;
    const uint32_t difatStart = fatStart + static_cast<uint32_t>(fatSectors);
    const uint32_t totalSectors = difatStart + static_cast<uint32_t>(difatSectors);

    std::vector<uint32_t> fat(static_cast<size_t>(fatSectors) * 128, CF::freeSector);
    for (const Stream &stream : streams) {
        if (stream.bytes.size() >= CF::miniStreamCutoff)
            chain(fat, stream.start, sectorsFor(stream.bytes.size(), CF::sectorSize));
    }
    if (miniStreamSectors)
        chain(fat, miniStreamStart, miniStreamSectors);
    chain(fat, directoryStart, directorySectors);
    if (miniFatSectors)
        chain(fat, miniFatStart, miniFatSectors);
    for (int i = 0; i < fatSectors; ++i)
        fat[fatStart + static_cast<uint32_t>(i)] = CF::fatSector;
    for (int i = 0; i < difatSectors; ++i)
        fat[difatStart + static_cast<uint32_t>(i)] = CF::difatSector;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(totalSectors + 1) * CF::sectorSize);
    LittleEndianWriter w(out);
    for (const unsigned char b : CF::signature)
        w.u8(b);
    w.zeros(16);
    w.u16(0x003E);
    w.u16(0x0003);
    w.u16(0xFFFE);
    w.u16(9);
    w.u16(6);
    w.zeros(6);
    w.u32(0);
    w.u32(static_cast<uint32_t>(fatSectors));
    w.u32(directoryStart);
    w.u32(0);
    w.u32(CF::miniStreamCutoff);
    w.u32(miniFatStart);
    w.u32(static_cast<uint32_t>(miniFatSectors));
    w.u32(difatSectors ? difatStart : CF::endOfChain);
    w.u32(static_cast<uint32_t>(difatSectors));
    for (int i = 0; i < CF::headerDifatEntries; ++i)
        w.u32(i < fatSectors ? fatStart + static_cast<uint32_t>(i) : CF::freeSector);

    for (const Stream &stream : streams) {
        if (stream.bytes.size() < CF::miniStreamCutoff)
            continue;
        out += stream.bytes;
        w.alignTo(CF::sectorSize);
    }
    out += miniStream;
    w.alignTo(CF::sectorSize);

    std::vector<TreeNode> nodes(streams.size());
    int fullDepth = 0;
    while ((1u << (fullDepth + 1)) - 1 <= streams.size())
        ++fullDepth;
    const uint32_t treeRoot = buildTree(nodes, 0, static_cast<int>(streams.size()), 0, fullDepth);
    writeEntry(out, QStringLiteral("Root Entry"), 5, TreeNode(), treeRoot, miniStreamStart,
               static_cast<uint32_t>(miniStream.size()));
    for (size_t i = 0; i < streams.size(); ++i)
        writeEntry(out, streams[i].name, 2, nodes[i], CF::noStream, streams[i].start,
                   static_cast<uint32_t>(streams[i].bytes.size()));
    while (out.size() % CF::sectorSize != 0)
        writeEntry(out, QString(), 0, TreeNode(), CF::noStream, 0, 0);

    for (uint32_t entry : miniFat)
        w.u32(entry);
    while (miniFatSectors && out.size() % CF::sectorSize != 0)
        w.u32(CF::freeSector);
    for (uint32_t entry : fat)
        w.u32(entry);
    for (int i = 0; i < difatSectors; ++i) {
        for (int j = 0; j < 127; ++j) {
            const int index = CF::headerDifatEntries + i * 127 + j;
            w.u32(index < fatSectors ? fatStart + static_cast<uint32_t>(index) : CF::freeSector);
        }
        w.u32(i + 1 < difatSectors ? difatStart + static_cast<uint32_t>(i) + 1 : CF::endOfChain);
    }
    return out;
}

} // namespace engine
