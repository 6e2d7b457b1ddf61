#include "excel/WorkbookReadBack.h"

#include <QFile>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

namespace pellam::excel {

namespace {

// Little-endian fields of the zip format.
quint16 u16(const uchar* p)
{
    return quint16(p[0] | p[1] << 8);
}

quint32 u32(const uchar* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

constexpr quint32 kEndRecord = 0x06054b50, kDirectoryEntry = 0x02014b50, kLocalHeader = 0x04034b50;
constexpr quint32 kZip64Marker = 0xFFFFFFFF;

struct Part {
    QString name;
    quint16 method = 0;   // 0 stored, 8 deflated
    quint32 crc = 0;
    quint64 packed = 0, size = 0, header = 0;
};

struct Bytes {
    const uchar* data;
    qint64 size;
    bool holds(quint64 at, quint64 length) const { return at <= quint64(size) && length <= quint64(size) - at; }
};

// The parts as the zip's central directory lists them; nothing when it
// cannot be read.
std::optional<std::vector<Part>> partsOf(const Bytes& zip)
{
    // The end record: 22 bytes, after a comment of up to 64 KiB.
    qint64 end = -1;
    for (qint64 at = zip.size - 22; at >= 0 && at >= zip.size - 22 - 0xFFFF; --at)
        if (u32(zip.data + at) == kEndRecord) {
            end = at;
            break;
        }
    if (end < 0)
        return std::nullopt;
    const int count = u16(zip.data + end + 10);
    quint64 at = u32(zip.data + end + 16);
    std::vector<Part> parts;
    for (int i = 0; i < count; ++i) {
        if (!zip.holds(at, 46) || u32(zip.data + at) != kDirectoryEntry)
            return std::nullopt;
        const uchar* entry = zip.data + at;
        Part part;
        part.method = u16(entry + 10);
        part.crc = u32(entry + 16);
        part.packed = u32(entry + 20);
        part.size = u32(entry + 24);
        part.header = u32(entry + 42);
        const int nameLength = u16(entry + 28);
        if (!zip.holds(at + 46, quint64(nameLength)))
            return std::nullopt;
        part.name = QString::fromUtf8(reinterpret_cast<const char*>(entry + 46), nameLength);
        parts.push_back(part);
        at += 46 + quint64(nameLength) + u16(entry + 30) + u16(entry + 32);
    }
    return parts;
}

// Whether an XML document read piece by piece is whole: every element
// that opens closes, in order, and the first one closes last. A part cut
// short, or with a stretch missing, fails this. It is no full XML parser
// (names, attributes and entities are not checked): the parts are the
// library's own, and what is looked for is a sheet that did not reach the
// disk whole. A sheet of a million rows takes a fraction of a second.
class ElementBalance {
public:
    void feed(const uchar* bytes, size_t length)
    {
        const uchar* p = bytes;
        const uchar* const end = bytes + length;
        while (p < end && !broken_) {
            switch (state_) {
            case Text:
                if (!(p = static_cast<const uchar*>(std::memchr(p, '<', size_t(end - p)))))
                    return;
                ++p;
                state_ = TagStart;
                name_.clear();
                closing_ = false;
                break;
            case TagStart:
                closing_ = *p == '/';
                state_ = *p == '?' || *p == '!' ? Declaration : Name;
                if (state_ == Declaration || closing_)
                    ++p;
                break;
            case Name: {
                const uchar* from = p;
                while (p < end && !ends(*p))
                    ++p;
                name_.append(reinterpret_cast<const char*>(from), size_t(p - from));
                if (p < end)
                    state_ = InTag;
                break;
            }
            case InTag:
                // The tight loop: most of a sheet is inside its tags.
                while (p < end && *p != '>' && *p != '"' && *p != '\'')
                    ++p;
                if (p == end)
                    break;
                if (*p == '>') {
                    endTag((p == bytes ? last_ : p[-1]) == '/');
                    state_ = Text;
                } else {
                    quote_ = *p;
                    state_ = Quoted;
                }
                ++p;
                break;
            case Quoted:
                if ((p = static_cast<const uchar*>(std::memchr(p, quote_, size_t(end - p))))) {
                    ++p;
                    state_ = InTag;
                } else {
                    p = end;
                }
                break;
            case Declaration:
                if ((p = static_cast<const uchar*>(std::memchr(p, '>', size_t(end - p))))) {
                    ++p;
                    state_ = Text;
                } else {
                    p = end;
                }
                break;
            }
        }
        if (length)
            last_ = bytes[length - 1];
    }
    bool whole() const { return !broken_ && state_ == Text && open_.empty() && rootClosed_; }

private:
    static bool ends(uchar c) { return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    void endTag(bool selfClosing)
    {
        if (rootClosed_ || name_.empty()) {
            broken_ = true; // a second root, or a tag without a name
        } else if (closing_) {
            broken_ = open_.empty() || open_.back() != name_;
            if (!broken_)
                open_.pop_back();
            rootClosed_ = open_.empty();
        } else if (selfClosing) {
            rootClosed_ = open_.empty();
        } else {
            open_.push_back(name_);
        }
    }

    enum State { Text, TagStart, Name, InTag, Quoted, Declaration } state_ = Text;
    std::string name_;
    std::vector<std::string> open_;
    bool closing_ = false, broken_ = false, rootClosed_ = false;
    uchar quote_ = 0, last_ = 0;
};

// Whether a part comes out whole: inflated to the size and checksum the
// directory lists and, when it is XML, read to the end of its document.
bool whole(const Bytes& zip, const Part& part)
{
    // A part past 4 GiB is described elsewhere (zip64); not checked here.
    if (part.packed == kZip64Marker || part.size == kZip64Marker || part.header == kZip64Marker)
        return true;
    if (!zip.holds(part.header, 30) || u32(zip.data + part.header) != kLocalHeader)
        return false;
    const quint64 start = part.header + 30 + u16(zip.data + part.header + 26) + u16(zip.data + part.header + 28);
    if (!zip.holds(start, part.packed))
        return false;
    const bool xml = part.name.endsWith(QLatin1String(".xml")) || part.name.endsWith(QLatin1String(".rels"));
    ElementBalance balance;
    uLong crc = crc32(0, nullptr, 0);
    quint64 produced = 0;
    const auto take = [&](const uchar* bytes, quint64 length) {
        crc = crc32(crc, bytes, uInt(length));
        produced += length;
        if (xml)
            balance.feed(bytes, size_t(length));
    };
    if (part.method == 0) {
        take(zip.data + start, part.packed);
    } else if (part.method == Z_DEFLATED) {
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return false;
        stream.next_in = const_cast<Bytef*>(zip.data + start);
        stream.avail_in = uInt(part.packed);
        std::vector<uchar> out(64 * 1024);
        int rc = Z_OK;
        while (rc == Z_OK) {
            stream.next_out = out.data();
            stream.avail_out = uInt(out.size());
            rc = inflate(&stream, Z_NO_FLUSH);
            if (rc == Z_OK || rc == Z_STREAM_END)
                take(out.data(), out.size() - stream.avail_out);
        }
        inflateEnd(&stream);
        if (rc != Z_STREAM_END)
            return false;
    } else {
        return false;
    }
    if (produced != part.size || crc != part.crc)
        return false;
    return !xml || balance.whole();
}

} // namespace

std::optional<QString> brokenWorkbookPart(const QString& file)
{
    const QString wholeFile = QStringLiteral("the file");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 22)
        return wholeFile;
    QByteArray read;
    const uchar* data = f.map(0, f.size());
    if (!data) {
        read = f.readAll();
        data = reinterpret_cast<const uchar*>(read.constData());
    }
    const Bytes zip{data, f.size()};
    const auto parts = partsOf(zip);
    if (!parts || parts->empty())
        return wholeFile;
    for (const Part& part : *parts)
        if (!whole(zip, part))
            return part.name;
    return std::nullopt;
}

} // namespace pellam::excel
