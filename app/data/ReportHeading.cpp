#include "data/ReportHeading.h"

#include "format/PrintableText.h"

namespace pellam::data {

ReportHeading reportHeading(db::Connection& conn, int kind, int shopId)
{
    const QString columns = QStringLiteral("select LedName,RecName,QName,MonName,place,pincode from organization");
    db::RecordSet rs = shopId == 0 ? conn.query(columns + QStringLiteral(" order by shopid"))
                                   : conn.query(columns + QStringLiteral(" where shopid=?"), {shopId});
    ReportHeading heading;
    if (rs.eof())
        return heading;
    static const char* const kColumns[] = {"ledname", "recname", "qname", "monname"};
    if (kind >= 1 && kind <= 4)
        heading.title = printable(rs.toString(QString::fromLatin1(kColumns[kind - 1])));
    if (!rs.isNull(QStringLiteral("place"))) {
        heading.place = rs.toString(QStringLiteral("place"));
        if (!rs.isNull(QStringLiteral("pincode")))
            heading.place += QStringLiteral(" - ") + rs.toString(QStringLiteral("pincode"));
        heading.place = printable(heading.place);
    }
    return heading;
}

} // namespace pellam::data
