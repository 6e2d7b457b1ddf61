#pragma once

// The voucher window on fresh books of this year, with its raw printer
// pointed at a file, and the moves a user makes in it.
#include "app/AppTestBooks.h"
#include "dialogs/ScriptedDialogs.h"
#include "format/DateText.h"
#include "grids/PopupGrid.h"
#include "settings/SettingsStore.h"
#include "vouchers/FrmJournal.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace pellam::test {

struct JournalWindow {
    AppTestBooks books;
    ScriptedDialogsGuard boxes;
    QString printer = books.home.file(QStringLiteral("printer.prn"));
    std::unique_ptr<app::FrmJournal> owned;
    app::FrmJournal* form = nullptr;

    JournalWindow()
    {
        SettingsStore::write(SettingsStore::LocalMachine, QStringLiteral("Software\\Pellam\\Coffer9.0"),
                             QStringLiteral("RawPrinter"), printer);
    }

    app::FrmJournal& open()
    {
        owned = std::make_unique<app::FrmJournal>();
        form = owned.get();
        form->show();
        QApplication::setActiveWindow(form);
        return *form;
    }

    int addHead(const QString& code, const QString& name)
    {
        books.conn().execute(QStringLiteral("insert into account(AccCode, AccountName, Remarks) values(?, ?, '')"),
                             {code, name});
        return int(books.conn().lastInsertId());
    }
    qint64 count(const QString& sql, const QVariantList& params = {})
    {
        return books.conn().scalar(sql, params).toLongLong();
    }

    template <class W = QLineEdit>
    W* child(const char* name) const
    {
        return form->findChild<W*>(QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(name); }
    QString text(const char* name) const { return box(name)->text(); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    // Types into a box as the user does, after giving it the focus.
    void type(const char* name, const QString& keys)
    {
        box(name)->setFocus();
        box(name)->selectAll();
        QTest::keyClicks(box(name), keys);
    }
    // Types the beginning of a head, lets the pause end and takes the
    // current row of the lookup with Enter.
    void chooseHead(const QString& typed, int downs = 0)
    {
        box("txtDebitAccId")->setFocus();
        box("txtDebitAccId")->selectAll();
        QTest::keyClicks(box("txtDebitAccId"), typed);
        child<ctl::PopupGrid>("PopupGrid1")->Timer1_Timer();
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(box("txtDebitAccId"), Qt::Key_Down);
        QTest::keyClick(box("txtDebitAccId"), Qt::Key_Return);
    }
    // Enters a voucher number in the current mode and leaves the box.
    void leaveNumber(qint64 number)
    {
        type("TxtJouNo", QString::number(number));
        box("txtBillNo")->setFocus();
    }
    QString day(int daysFromStart) const { return datetext::format(books.year.start.addDays(daysFromStart)); }
    QByteArray printed() const
    {
        QFile file(printer);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace pellam::test
