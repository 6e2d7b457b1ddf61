#pragma once

// A master window on fresh books, driven through its controls' names and
// the scripted dialogs service.
#include "app/AppTestBooks.h"
#include "buttonbar/BtnShield.h"
#include "dialogs/ScriptedDialogs.h"
#include "grids/FlexGrid.h"
#include "grids/ListGrid.h"
#include "help/HelpViewer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include "support/QtPrinters.h"
#include <gtest/gtest.h>
#include <memory>

namespace pellam::test {

// Remembers the help topics asked for.
struct RecordingHelp : HelpViewer {
    std::vector<int> topics;
    void showContents(const QString&, int topicId) override { topics.push_back(topicId); }
    void showTopic(const QString&, int topicId) override { topics.push_back(topicId); }
    void showIndex(const QString&, int topicId) override { topics.push_back(topicId); }
    void close() override {}
};

template <class Window>
struct MasterWindow {
    AppTestBooks books;
    ScriptedDialogsGuard scripted;
    std::unique_ptr<Window> window;

    void open()
    {
        window = std::make_unique<Window>();
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <class W = QLineEdit>
    W* find(const char* name) const
    {
        W* w = window->template findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    ctl::BtnShield* bar() const { return find<ctl::BtnShield>("UBtnCtrl1"); }
    void click(const char* button) const { bar()->template findChild<QPushButton*>(QString::fromLatin1(button))->click(); }
    ctl::ListGrid* list() const { return find<ctl::ListGrid>("ListGrid1"); }
    // Clicks data row `row` (from 1) of the list, as the user picks a record.
    void pickListRow(int row) const
    {
        ctl::FlexGrid* grid = list()->grid();
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    int listRows() const { return list()->grid()->Rows() - 1; }
    // Confirms the bar's delete question and clicks Delete.
    void deleteShown()
    {
        scripted->answer(MessageAnswer::Yes);
        click("CmdDelete");
    }
    db::Connection& conn() { return books.conn(); }
    qint64 count(const QString& sql, const QVariantList& params = {}) { return conn().scalar(sql, params).toLongLong(); }
};

} // namespace pellam::test
