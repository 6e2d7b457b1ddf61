#include "dialogs/ScriptedDialogs.h"
#include "print/FrmPrintPrv.h"
#include "print/FrmPrnSelect.h"
#include "printing/PagePrinter.h"

#include "../ModalDriver.h"
#include "../grids/Records.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using pellam::ctl::FrmPrintPrv;
using pellam::ctl::FrmPrnSelect;

namespace {

QStringList entries(QWidget* form, const char* list)
{
    auto* box = form->findChild<QListWidget*>(list);
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out.append(box->item(i)->text());
    return out;
}

void choose(QWidget* form, const char* list, const QString& text)
{
    auto* box = form->findChild<QListWidget*>(list);
    box->setCurrentItem(box->findItems(text, Qt::MatchExactly).value(0));
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

} // namespace

TEST(FrmPrnSelect, MovesFieldsBetweenTheListsAndOrdersThem)
{
    pellam::ScriptedDialogsGuard boxes;
    FrmPrnSelect form;
    form.setRecordSet(pellam::test::sampleHeads());
    form.show();
    EXPECT_EQ(entries(&form, "ListAll"), (QStringList{"accno", "AccName", "AccCode"}));
    EXPECT_TRUE(entries(&form, "ListSelected").isEmpty());

    form.CmdAdd_Click();
    form.CmdDelete_Click();
    form.CmdUp_Click();
    EXPECT_EQ(boxes->texts(), (QStringList{"Select the item to be added",
                                           "Select the item to be remove from the selected list",
                                           "Select the item to be move"}));

    for (const char* field : {"AccCode", "accno", "AccName"}) {
        choose(&form, "ListAll", field);
        form.CmdAdd_Click();
    }
    EXPECT_TRUE(entries(&form, "ListAll").isEmpty());
    EXPECT_EQ(entries(&form, "ListSelected"), (QStringList{"AccCode", "accno", "AccName"}));

    choose(&form, "ListSelected", "AccCode");
    form.CmdUp_Click();
    EXPECT_EQ(entries(&form, "ListSelected"), (QStringList{"AccCode", "accno", "AccName"})) << "first stays first";
    form.CmdDown_Click();
    EXPECT_EQ(entries(&form, "ListSelected"), (QStringList{"accno", "AccCode", "AccName"}));
    form.CmdDown_Click();
    form.CmdDown_Click();
    EXPECT_EQ(entries(&form, "ListSelected"), (QStringList{"accno", "AccName", "AccCode"}));
    EXPECT_EQ(form.findChild<QListWidget*>("ListSelected")->currentItem()->text(), QStringLiteral("AccCode"));

    choose(&form, "ListSelected", "accno");
    form.CmdDelete_Click();
    EXPECT_EQ(entries(&form, "ListAll"), QStringList{"accno"});
    EXPECT_EQ(boxes->messages().size(), 3u);
}

TEST(FrmPrnSelect, OkWritesTheTableAndShowsItInThePreview)
{
    pellam::ScriptedDialogsGuard boxes;
    FrmPrnSelect form;
    form.setRecordSet(pellam::test::sampleHeads());
    form.show();
    form.CmdOk_Click();
    EXPECT_EQ(boxes->texts(), QStringList{"There is no selection for printing"});
    EXPECT_EQ(form.tableFile(), QString());

    choose(&form, "ListAll", "AccName");
    form.CmdAdd_Click();
    QString caption;
    QString shown;
    QString written;
    pellam::test::whenModal([&](QWidget* preview) {
        caption = preview->windowTitle();
        shown = preview->findChild<QPlainTextEdit*>("RtbPreview")->toPlainText();
        written = fileText(form.tableFile());
        QTest::keyClick(preview, Qt::Key_Escape);
    });
    form.CmdOk_Click();
    EXPECT_EQ(caption, QStringLiteral("Pellam Utility - Preview"));
    const QString expected = QString(25, u' ') + "ACCNAME\n\nCASH" + QString(28, u' ') + "\n";
    EXPECT_TRUE(shown.startsWith(expected)) << shown.toStdString();
    EXPECT_EQ(shown.count(u'\n'), 2 + 7);
    EXPECT_EQ(written, shown);
    EXPECT_FALSE(QFile::exists(form.tableFile())) << "the table goes with its preview";
}

TEST(FrmPrnSelect, NothingToPrintWithoutRecordsOrWithoutAnOpenSet)
{
    pellam::ScriptedDialogsGuard boxes;
    FrmPrnSelect empty;
    empty.setRecordSet(pellam::test::ledgerHeads({}));
    empty.show();
    choose(&empty, "ListAll", "AccName");
    empty.CmdAdd_Click();
    empty.CmdOk_Click();
    EXPECT_EQ(empty.tableFile(), QString());
    EXPECT_TRUE(boxes->messages().empty());

    FrmPrnSelect closed;
    closed.show();
    EXPECT_TRUE(entries(&closed, "ListAll").isEmpty());
}

TEST(FrmPrintPrv, PrintsTheFileOnThePagePrinter)
{
    pellam::ScriptedDialogsGuard boxes;
    QTemporaryDir dir;
    const QString table = dir.filePath("table.tmp");
    {
        QFile file(table);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 150; ++i)
            file.write(QStringLiteral("line %1\n").arg(i).toUtf8());
    }
    const QString pdf = dir.filePath("printed.pdf");
    pellam::PagePrinter::instance().usePdfFile(pdf);
    FrmPrintPrv preview;
    preview.setFileName(table);
    EXPECT_TRUE(preview.findChild<QPlainTextEdit*>("RtbPreview")->toPlainText().startsWith("line 0\nline 1\n"));

    boxes->answerPrinter(false);
    preview.CmdPrint_Click();
    EXPECT_FALSE(QFile::exists(pdf)) << "a cancelled printer dialog prints nothing";

    preview.CmdPrint_Click();
    EXPECT_EQ(boxes->printerDialogs(), 2);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_GT(QFile(pdf).size(), 1000);
    EXPECT_FALSE(pellam::PagePrinter::instance().jobActive()) << "the job ends after the last line";
    EXPECT_EQ(pellam::PagePrinter::instance().FontName(), QStringLiteral("Fixedsys"));

    QFile::remove(table);
    preview.CmdPrint_Click();
    EXPECT_EQ(boxes->texts(),
              QStringList{"An Internal Error Occured Information file is deleted\nRe create the report"});
    EXPECT_EQ(boxes->printerDialogs(), 2);
    pellam::PagePrinter::instance().usePdfFile({});
}

TEST(FrmPrintPrv, SavesThePlainTextUnderTheChosenName)
{
    pellam::ScriptedDialogsGuard boxes;
    QTemporaryDir dir;
    FrmPrintPrv preview;
    preview.findChild<QPlainTextEdit*>("RtbPreview")->setPlainText("HEAD\n\nrow one");

    boxes->answerFile(dir.filePath("report")).answerFile(dir.filePath("report.txt")).answerFile(std::nullopt);
    preview.CmdSave_Click();
    preview.CmdSave_Click();
    preview.CmdSave_Click();
    EXPECT_EQ(fileText(dir.filePath("report.DOC")), QStringLiteral("HEAD\n\nrow one"));
    EXPECT_EQ(fileText(dir.filePath("report.txt")), QStringLiteral("HEAD\n\nrow one"));
    ASSERT_EQ(boxes->files().size(), 3u);
    EXPECT_EQ(boxes->files()[0].mode, pellam::FileRequest::Mode::Save);
    EXPECT_EQ(boxes->files()[0].filter,
              QStringLiteral("All Files (*.*);;Text Files (*.txt);;Word Document (*.Doc)"));
    EXPECT_TRUE(boxes->messages().empty());

    boxes->answerFile(dir.filePath("no/such/folder/report.txt"));
    preview.CmdSave_Click();
    EXPECT_EQ(boxes->texts(), QStringList{"An error occured.\nRe Create the Report"});
}

TEST(FrmPrintPrv, MenuEditsTheTextAndEscapeCloses)
{
    FrmPrintPrv preview;
    auto* text = preview.findChild<QPlainTextEdit*>("RtbPreview");
    text->setPlainText("some report");
    QStringList captions;
    for (QAction* action : preview.menu()->actions())
        captions.append(action->objectName() + "=" + action->text());
    EXPECT_EQ(captions, (QStringList{"MnCut=&Cut", "MnCopy=Copy", "Mnselect=Select All"}));
    preview.menu()->actions()[2]->trigger();
    EXPECT_EQ(text->textCursor().selectedText(), QStringLiteral("some report"));
    preview.menu()->actions()[0]->trigger();
    EXPECT_EQ(text->toPlainText(), QString());

    preview.show();
    ASSERT_TRUE(preview.isVisible());
    QTest::keyClick(&preview, Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible());
}
