#pragma once

// A help viewer that remembers the topics asked for instead of showing
// them, installed for the lifetime of the object.
#include "help/HelpViewer.h"

#include <QList>
#include <memory>

namespace pellam::test {

class RecordingHelp {
public:
    RecordingHelp()
    {
        auto viewer = std::make_unique<Viewer>();
        viewer_ = viewer.get();
        previous_ = setHelpViewer(std::move(viewer));
    }
    ~RecordingHelp() { setHelpViewer(std::move(previous_)); }
    RecordingHelp(const RecordingHelp&) = delete;
    RecordingHelp& operator=(const RecordingHelp&) = delete;

    const QList<int>& topics() const { return viewer_->topics; }

private:
    struct Viewer : HelpViewer {
        QList<int> topics;
        void showContents(const QString&, int topicId) override { topics << topicId; }
        void showTopic(const QString&, int topicId) override { topics << topicId; }
        void showIndex(const QString&, int) override {}
        void close() override {}
    };
    Viewer* viewer_;
    std::unique_ptr<HelpViewer> previous_;
};

} // namespace pellam::test
