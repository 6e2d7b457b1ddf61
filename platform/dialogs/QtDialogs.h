#pragma once

#include "dialogs/Dialogs.h"

namespace pellam {

// Real message, input and file boxes, modal over the active window; the
// keys go back to that window when they close.
class PELLAM_PLATFORM_EXPORT QtDialogs : public Dialogs {
public:
    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const InputRequest& request) override;
    std::optional<QString> file(const FileRequest& request) override;
    bool printer(PrinterRequest& request) override;
};

} // namespace pellam
