// Dialogs that record what was shown and answer file dialogs from a queue.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

class RecordingDialogs : public Dialogs {
public:
    std::vector<std::string> messages;  // "message: ..." or "error: ..."
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt answers "cancel"

    void showMessage(const std::string& text) override { messages.push_back("message: " + text); }
    void showError(const std::string& text) override { messages.push_back("error: " + text); }
    std::optional<std::string> askOpenFileName(const FileDialogRequest& request) override { return answer(request); }
    std::optional<std::string> askSaveFileName(const FileDialogRequest& request) override { return answer(request); }

private:
    std::optional<std::string> answer(const FileDialogRequest& request) {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};
