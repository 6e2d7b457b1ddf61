#pragma once

#include "PlatformExport.h"

#include <QString>
#include <memory>

namespace pellam {

// Shows the program's help. The program installs its own help window; until
// then (and in tools without windows) the help page opens in the desktop's
// default viewer.
class PELLAM_PLATFORM_EXPORT HelpViewer {
public:
    virtual ~HelpViewer();
    // `helpFile` empty: the program's own help.
    virtual void showContents(const QString& helpFile, int topicId) = 0;
    virtual void showTopic(const QString& helpFile, int topicId) = 0;
    virtual void showIndex(const QString& helpFile, int topicId) = 0;
    virtual void close() = 0;
};

class PELLAM_PLATFORM_EXPORT DesktopHelpViewer : public HelpViewer {
public:
    void showContents(const QString& helpFile, int topicId) override;
    void showTopic(const QString& helpFile, int topicId) override;
    void showIndex(const QString& helpFile, int topicId) override;
    void close() override {}

    // The page shown for a help file: the file itself, or the index page of
    // a help folder; the program's help/index.html when none is named.
    static QString pageFor(const QString& helpFile);
};

PELLAM_PLATFORM_EXPORT HelpViewer& helpViewer();
PELLAM_PLATFORM_EXPORT std::unique_ptr<HelpViewer> setHelpViewer(std::unique_ptr<HelpViewer> viewer);

} // namespace pellam
