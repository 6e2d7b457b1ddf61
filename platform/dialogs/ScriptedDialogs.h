#pragma once

#include "dialogs/Dialogs.h"

#include <deque>
#include <vector>

namespace pellam {

// A dialogs service for tests: answers every box from a script, in order,
// and records everything that was shown. A box with no scripted answer gets
// the answer of its default button (an input box: its default text), as a
// user pressing Enter would.
class PELLAM_PLATFORM_EXPORT ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs& answer(MessageAnswer answer);
    ScriptedDialogs& answerInput(std::optional<QString> text);
    ScriptedDialogs& answerFile(std::optional<QString> path);
    // `accept` false cancels the printer dialog; `copies` above 0 is chosen.
    ScriptedDialogs& answerPrinter(bool accept, int copies = 0);

    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const InputRequest& request) override;
    std::optional<QString> file(const FileRequest& request) override;
    bool printer(PrinterRequest& request) override;

    const std::vector<MessageRequest>& messages() const { return messages_; }
    const std::vector<InputRequest>& inputs() const { return inputs_; }
    const std::vector<FileRequest>& files() const { return files_; }
    int printerDialogs() const { return printerDialogs_; }
    // The texts of the message boxes shown, in order.
    QStringList texts() const;
    // Scripted answers that no box has taken yet.
    int pendingAnswers() const;
    void clear();

private:
    std::deque<MessageAnswer> answers_;
    // A text answer, or a cancel (`given` false).
    struct TextAnswer {
        bool given;
        QString text;
    };
    static std::optional<QString> take(std::deque<TextAnswer>& queue);

    std::deque<TextAnswer> inputAnswers_;
    std::deque<TextAnswer> fileAnswers_;
    std::vector<MessageRequest> messages_;
    std::vector<InputRequest> inputs_;
    std::vector<FileRequest> files_;
    std::deque<std::pair<bool, int>> printerAnswers_;
    int printerDialogs_ = 0;
};

// Installs a ScriptedDialogs for the lifetime of the guard and puts the
// previous service back afterwards.
class PELLAM_PLATFORM_EXPORT ScriptedDialogsGuard {
public:
    ScriptedDialogsGuard();
    ~ScriptedDialogsGuard();
    ScriptedDialogsGuard(const ScriptedDialogsGuard&) = delete;
    ScriptedDialogsGuard& operator=(const ScriptedDialogsGuard&) = delete;

    ScriptedDialogs& operator*() const { return *scripted_; }
    ScriptedDialogs* operator->() const { return scripted_; }

private:
    ScriptedDialogs* scripted_;
    std::unique_ptr<Dialogs> previous_;
};

} // namespace pellam
