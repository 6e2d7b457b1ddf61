#pragma once

// What a report's Excel route leaves behind when the user named the
// workbook and declined to view it.
#include "core/AppState.h"
#include "dialogs/ScriptedDialogs.h"

#include <QFile>
#include <gtest/gtest.h>

namespace pellam::test {

// The workbook the user named `file` in the save dialog is a real one, and
// the route said where it made it.
inline void expectWorkbookMade(const ScriptedDialogsGuard& scripted, const QString& file)
{
    ASSERT_EQ(scripted->files().size(), 1u);
    EXPECT_EQ(scripted->files()[0].mode, FileRequest::Mode::Save);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    EXPECT_EQ(f.read(2), QByteArray("PK"));
    EXPECT_EQ(scripted->texts(),
              QStringList{file + QStringLiteral("\rReport is created Successfully \rDo you want to view it")});
}

} // namespace pellam::test
