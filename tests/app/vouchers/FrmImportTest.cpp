#include "support/QtPrinters.h"
#include "app/AppTestBooks.h"
#include "app/ModalDriver.h"
#include "dialogs/ScriptedDialogs.h"
#include "format/DateText.h"
#include "support/QtPrinters.h"
#include "vouchers/FrmImport.h"
#include "vouchers/ImportRowsModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace pellam;
using namespace pellam::app;

namespace {

struct ImportWindow : ::testing::Test {
    test::AppTestBooks books;
    ScriptedDialogsGuard boxes;
    QString csv = books.home.file(QStringLiteral("in.csv"));
    std::unique_ptr<FrmImport> window;

    void SetUp() override
    {
        books.conn().executeScript(QStringLiteral(
            "insert into account(accno, AccCode, AccountName) values(7, 'MLK', 'MILK & TEA'), (8, 'FEE', 'FEES');"));
        window = std::make_unique<FrmImport>();
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    template <class T>
    T* find(const char* name)
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString day(int fromStart) const { return datetext::format(books.year.start.addDays(fromStart)); }
    QString iso(int fromStart) const { return books.year.start.addDays(fromStart).toString(Qt::ISODate); }
    void write(const QString& text)
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
    // Each row of the grid as "line|date|inst|type|head|amount|narration|bill|check|kind".
    QStringList grid()
    {
        const ImportRowsModel& model = window->rows();
        QStringList rows;
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.data(model.index(r, c), Qt::DisplayRole).toString();
            cells << model.data(model.index(r, 0), Qt::UserRole).toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
    QString journal()
    {
        return books.conn()
            .scalar(QStringLiteral("select group_concat(jousrlno||':'||shopid||':'||debitaccid||':'||creditaccid||':'||"
                                   "amount||':'||coalesce(billno,'')||':'||userid, ' ') from journal"))
            .toString();
    }
    QString summary() { return find<QLabel>("LblSummary")->text(); }
};

} // namespace

TEST_F(ImportWindow, ChecksEveryRowMarksTheRefusedAndImportsOnlyAWholeFile)
{
    write(QStringLiteral("date,institution,type,head,amount,narration,bill\n"
                         "%1,1,R,fee,1500,april fees,B1\n"
                         "%1,1,P,MLK,250.50,,\n"
                         "%1,1,P,XYZ,10,,\n")
              .arg(day(4)));
    QTest::keyClicks(find<QLineEdit>("TxtFile"), csv);
    QTest::keyClick(find<QLineEdit>("TxtFile"), Qt::Key_Return);   // Enter checks
    EXPECT_EQ(grid().join(QLatin1Char('\n')).toStdString(), QStringList({
                          QStringLiteral("2|%1|1|R|FEE|1,500.00|APRIL FEES|B1|OK|voucher").arg(day(4)),
                          QStringLiteral("3|%1|1|P|MLK|250.50|||OK|voucher").arg(day(4)),
                          QStringLiteral("4||||||%1, 1, P, XYZ, 10, , ||Invalid Debit Account !! There is no ledger "
                                         "head with the code 'XYZ'.|refused")
                              .arg(day(4)),
                      }).join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(summary(), QStringLiteral("Checked 2 vouchers: receipts 1,500.00, payments 250.50. 1 row refused (marked "
                                        "in red): put them right in the file and check it again; nothing is imported "
                                        "while any row is refused."));
    EXPECT_FALSE(find<QPushButton>("CmdImport")->isEnabled());
    // The cursor stands on the refused row, whose message is read in full.
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("GrdRows"));
    EXPECT_EQ(find<QLabel>("LblRow")->text(),
              QStringLiteral("Line 4: Invalid Debit Account !! There is no ledger head with the code 'XYZ'."));

    write(QStringLiteral("date,institution,type,head,amount,narration,bill\n"
                         "%1,1,R,fee,1500,april fees,B1\n"
                         "%1,1,P,MLK,250.50,,\n")
              .arg(iso(4)));
    find<QPushButton>("CmdCheck")->click();
    ASSERT_TRUE(find<QPushButton>("CmdImport")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), find<QPushButton>("CmdImport"));
    find<QPushButton>("CmdImport")->click();   // the question's Yes is its first button
    EXPECT_EQ(boxes->texts(), QStringList({QStringLiteral("Import the vouchers of in.csv into the books?")}));
    EXPECT_EQ(journal(), QStringLiteral("1:1:1:8:150000:B1:MERION 2:1:7:1:25050::MERION"));
    EXPECT_EQ(summary(),
              QStringLiteral("Imported 2 vouchers (Jou. No. 1 to 2): receipts 1,500.00, payments 250.50."));
    EXPECT_EQ(find<QProgressBar>("PrgImport")->value(), 100);
    EXPECT_FALSE(find<QPushButton>("CmdImport")->isEnabled()) << "not twice by a second key press";

    // The same file again: every row is a duplicate, in its own colour.
    find<QPushButton>("CmdCheck")->click();
    EXPECT_EQ(grid().value(0).toStdString(),
              QStringLiteral("2||||||%1, 1, R, fee, 1500, april fees, B1||duplicate of voucher 1, skipped|duplicate")
                  .arg(iso(4))
                  .toStdString());
    EXPECT_FALSE(find<QPushButton>("CmdImport")->isEnabled());
}

TEST_F(ImportWindow, AnImportAnsweredNoStoresNothing)
{
    write(QStringLiteral("date,institution,type,head,amount\n%1,1,R,FEE,1\n").arg(day(1)));
    find<QLineEdit>("TxtFile")->setText(csv);
    find<QPushButton>("CmdCheck")->click();
    boxes->answer(MessageAnswer::No);
    find<QPushButton>("CmdImport")->click();
    EXPECT_EQ(journal(), QString());
    EXPECT_TRUE(find<QPushButton>("CmdImport")->isEnabled());
}

TEST_F(ImportWindow, AFileThatCannotBeReadIsNamed)
{
    const QString missing = books.home.file(QStringLiteral("none.csv"));
    find<QLineEdit>("TxtFile")->setText(missing);
    find<QPushButton>("CmdCheck")->click();
    EXPECT_EQ(boxes->texts(),
              QStringList({QStringLiteral("The file %1 cannot be read: No such file or directory").arg(missing)}));
    EXPECT_EQ(grid(), QStringList());
}

TEST_F(ImportWindow, AMappingMadeInItsWindowReadsABankStatement)
{
    test::whenModal([](QWidget* dialog) {
        const auto type = [dialog](const char* box, const QString& text) {
            auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(box));
            edit->clear();
            QTest::keyClicks(edit, text);
        };
        type("TxtName", QStringLiteral("SBI"));
        type("TxtDateColumn", QStringLiteral("Txn Date"));
        type("TxtDateFormat", QStringLiteral("dd-mmm-yyyy"));
        type("TxtCreditColumn", QStringLiteral("Credit"));
        type("TxtDebitColumn", QStringLiteral("Debit"));
        type("TxtNarrationColumn", QStringLiteral("Description"));
        auto* rules = dialog->findChild<QTableWidget*>(QStringLiteral("GrdRules"));
        dialog->findChild<QPushButton*>(QStringLiteral("CmdAddRule"))->click();
        rules->item(0, 0)->setText(QStringLiteral("fees"));
        rules->item(0, 1)->setText(QStringLiteral("fee"));
        dialog->findChild<QPushButton*>(QStringLiteral("CmdSave"))->click();
    });
    find<QPushButton>("CmdNewMapping")->click();
    EXPECT_EQ(boxes->texts(), QStringList());
    EXPECT_EQ(find<QComboBox>("CboMapping")->currentText(), QStringLiteral("Bank statement: SBI"));
    EXPECT_EQ(books.conn().scalar(QStringLiteral("select group_concat(mapping||':'||contains||':'||acccode) from importrule"))
                  .toString(),
              QStringLiteral("SBI:fees:FEE"));

    const QString date = books.year.start.addDays(2).toString(QStringLiteral("dd-MMM-yyyy"));
    write(QStringLiteral("Statement of account\n"
                         "Txn Date,Description,Debit,Credit\n"
                         "%1,NEFT fees ABC,,\"1,000.00\"\n"
                         "%1,ATM withdrawal,500.00,\n")
              .arg(date));
    find<QLineEdit>("TxtFile")->setText(csv);
    find<QPushButton>("CmdCheck")->click();
    EXPECT_EQ(grid().value(1).toStdString(), QStringLiteral("4||||||%1, ATM withdrawal, 500.00, ||No rule of the mapping "
                                                            "'SBI' gives a head to 'ATM withdrawal'; add a rule or give "
                                                            "a default head.|refused")
                                                 .arg(date)
                                                 .toStdString());
    QTest::keyClicks(find<QLineEdit>("TxtDefaultHead"), QStringLiteral("MLK"));
    find<QPushButton>("CmdCheck")->click();
    find<QPushButton>("CmdImport")->click();
    EXPECT_EQ(journal(), QStringLiteral("1:1:1:8:100000::MERION 2:1:7:1:50000::MERION"));
}
