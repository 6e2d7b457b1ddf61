#include "excel/WorkbookReadBack.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>
#include <zlib.h>

#include <utility>
#include <vector>

using namespace pellam;

namespace {

void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xFF)).append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xFFFF));
    put16(out, quint16(v >> 16));
}

// A zip of stored (unpacked) parts, as small as the format allows.
QByteArray storedZip(const std::vector<std::pair<QByteArray, QByteArray>>& parts)
{
    QByteArray zip, directory;
    for (const auto& [name, bytes] : parts) {
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
        const quint32 at = quint32(zip.size());
        put32(zip, 0x04034b50);
        for (quint16 v : {20, 0, 0, 0, 0})
            put16(zip, v);
        put32(zip, crc);
        put32(zip, quint32(bytes.size()));
        put32(zip, quint32(bytes.size()));
        put16(zip, quint16(name.size()));
        put16(zip, 0);
        zip += name + bytes;
        put32(directory, 0x02014b50);
        for (quint16 v : {20, 20, 0, 0, 0, 0})
            put16(directory, v);
        put32(directory, crc);
        put32(directory, quint32(bytes.size()));
        put32(directory, quint32(bytes.size()));
        put16(directory, quint16(name.size()));
        for (quint16 v : {0, 0, 0, 0})
            put16(directory, v);
        put32(directory, 0);
        put32(directory, at);
        directory += name;
    }
    const quint32 start = quint32(zip.size());
    zip += directory;
    put32(zip, 0x06054b50);
    for (quint16 v : {quint16(0), quint16(0), quint16(parts.size()), quint16(parts.size())})
        put16(zip, v);
    put32(zip, quint32(directory.size()));
    put32(zip, start);
    put16(zip, 0);
    return zip;
}

} // namespace

// Each XML part is read to the end of its document: a sheet cut short, or
// with a stretch lost inside it, is found; a whole one is not faulted for
// what a document may hold (a declaration, quoted ">", an empty root).
TEST(WorkbookReadBack, FindsAnXmlPartCutShortOrWithAStretchMissing)
{
    test::TempHome home;
    const QByteArray sheet = "<?xml version=\"1.0\"?>\n<worksheet a=\"x>y\" b='1/'><sheetData><row r=\"1\">"
                             "<c r=\"A1\" t=\"inlineStr\"><is><t>A &amp; B</t></is></c><c r=\"B1\"/></row></sheetData>"
                             "</worksheet>";
    const struct {
        const char* what;
        QByteArray xml;
        bool whole;
    } cases[] = {
        {"whole", sheet, true},
        {"an empty root", "<?xml version=\"1.0\"?><Relationships xmlns=\"x\"/>\n", true},
        {"cut short", sheet.left(sheet.size() - 6), false},
        {"cut inside a tag", sheet.left(sheet.indexOf("<c r=\"B1\"") + 4), false},
        {"a stretch missing", sheet.left(80) + sheet.mid(120), false},
        {"a closing tag that does not match", QByteArray(sheet).replace("</t>", "</is>"), false},
        {"nothing", "", false},
    };
    for (const auto& c : cases) {
        const QString file = home.file(QStringLiteral("book.xlsx"));
        QFile zip(file);
        ASSERT_TRUE(zip.open(QIODevice::WriteOnly));
        zip.write(storedZip({{"_rels/.rels", "<Relationships/>"}, {"xl/worksheets/sheet1.xml", c.xml}}));
        zip.close();
        const auto broken = excel::brokenWorkbookPart(file);
        if (c.whole)
            EXPECT_FALSE(broken) << c.what;
        else
            EXPECT_EQ(broken.value_or(QString()), QStringLiteral("xl/worksheets/sheet1.xml")) << c.what;
    }
}
