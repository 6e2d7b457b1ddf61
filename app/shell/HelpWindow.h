#pragma once

#include "help/HelpViewer.h"

#include <QPointer>

class QTextBrowser;

namespace pellam::app {

// The program's own help window: the help pages in a browser, opened at the
// contents, the index or a window's topic. One window serves every request.
class HelpWindow : public HelpViewer {
public:
    HelpWindow();
    void showContents(const QString& helpFile, int topicId) override;
    void showTopic(const QString& helpFile, int topicId) override;
    void showIndex(const QString& helpFile, int topicId) override;
    void close() override;

    // The page shown now ("index.html#index"); empty when closed.
    QString currentPage() const;
    // The heading of the topic shown; empty when the page or its topic is
    // missing.
    QString currentTopic() const;

private:
    void show(const QString& helpFile, const QString& anchor);
    QPointer<QTextBrowser> browser_;
};

} // namespace pellam::app
