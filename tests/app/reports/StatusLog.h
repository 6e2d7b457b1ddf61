#pragma once

// The status texts and progress a run shows, in order.
#include "core/ShellView.h"

#include <QStringList>

namespace pellam::test {

struct StatusLog : app::ShellView {
    QStringList texts;
    QStringList events; // the texts with "progress N" between them

    StatusLog() { app::setShellView(this); }
    ~StatusLog() override { app::setShellView(nullptr); }
    void setStatusText(const QString& text) override
    {
        texts << text;
        events << text;
    }
    void setProgress(int value, int, int) override { events << QStringLiteral("progress %1").arg(value); }
};

} // namespace pellam::test
