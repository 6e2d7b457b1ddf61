#pragma once

// The status texts and progress a run shows, in order.
#include "core/ShellView.h"

#include <QStringList>

namespace pellam::test {

struct StatusLog : app::ShellView {
    QStringList texts;
    // The texts with "progress N" between them where a run ends its bar;
    // the bar's moves during a long run depend on the machine's speed.
    QStringList events;

    StatusLog() { app::setShellView(this); }
    ~StatusLog() override { app::setShellView(nullptr); }
    void setStatusText(const QString& text) override
    {
        texts << text;
        events << text;
    }
    void setProgress(int value, int mode, int) override
    {
        if (mode == 2)
            events << QStringLiteral("progress %1").arg(value);
    }
};

} // namespace pellam::test
