#include "JournalWindow.h"

#include "cli/PellamTool.h"

#include <QRadioButton>
#include <gtest/gtest.h>

using namespace pellam;

namespace {

struct CommandLineVoucher : ::testing::Test, test::JournalWindow {
    int fees = addHead(QStringLiteral("FEE"), QStringLiteral("FEES"));

    // Every stored row a voucher made, but its number.
    QStringList rows()
    {
        QStringList out;
        for (db::RecordSet rs = books.conn().query(QStringLiteral(
                 "select 'journal', shopid, debitaccid, creditaccid, joudate, amount, narration, billno, userid "
                 "from journal union all select 'shopacc', shopid, accno, null, null, null, null, null, null "
                 "from shopacc where accno<>1 order by 1, 2, 3"));
             !rs.eof(); rs.MoveNext()) {
            QStringList fields;
            for (int i = 0; i < rs.FieldCount(); ++i)
                fields << rs.value(i).toString();
            out << fields.join(QLatin1Char('|'));
        }
        return out;
    }
    void forget() { books.conn().executeScript(QStringLiteral("delete from journal; delete from shopacc where accno<>1;")); }
};

} // namespace

TEST_F(CommandLineVoucher, AVoucherAddedByPellamIsTheOneTheWindowSaves)
{
    books.conn().execute(QStringLiteral("insert into organization(ShopId, shopName) values(2, 'DISPENSARY')"));
    open();
    box("TxtJouDate")->setText(day(9));
    child<QComboBox>("CboOrg")->setCurrentIndex(1);
    child<QRadioButton>("OptRec")->setChecked(true);
    chooseHead(QStringLiteral("fe"));
    type("txtAmount", QStringLiteral("1234.5"));
    type("txtNarration", QStringLiteral("term fees"));
    type("txtBillNo", QStringLiteral("r12"));
    click("CmdSave");
    ASSERT_TRUE(boxes->texts().isEmpty()) << boxes->texts().join('|').toStdString();
    const QStringList window = rows();
    ASSERT_EQ(window.size(), 2);
    forget();

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = cli::PellamTool(outStream, errStream)
                         .run({QStringLiteral("voucher"), QStringLiteral("add"), QStringLiteral("--date"), day(9),
                               QStringLiteral("--shop"), QStringLiteral("2"), QStringLiteral("--receipt"),
                               QStringLiteral("--head"), QStringLiteral("FEE"), QStringLiteral("--amount"),
                               QStringLiteral("1234.5"), QStringLiteral("--narration"), QStringLiteral("term fees"),
                               QStringLiteral("--bill"), QStringLiteral("r12")});
    EXPECT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("2\n"));
    EXPECT_EQ(rows(), window);
}
