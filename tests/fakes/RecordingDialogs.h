// Dialogs that record what was shown and answer file and colour dialogs from queues.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingDialogs : public Dialogs {
public:
    std::vector<std::string> messages;  // "message: ...", "warning: ..." or "error: ..."
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::optional<std::string>> fileAnswers;  // nullopt answers "cancel"
    std::vector<std::int32_t> colorRequests;             // the starting colour of each colour chooser
    std::deque<std::optional<std::int32_t>> colorAnswers; // nullopt (or none left) answers "cancel"

    // Runs while a message box is open, as the events a real box lets through meanwhile.
    std::function<void()> whileOpen;

    void showMessage(const std::string& text) override { shown("message: " + text); }
    void showWarning(const std::string& text) override { shown("warning: " + text); }
    void showError(const std::string& text) override { shown("error: " + text); }
    std::optional<std::string> askOpenFileName(const FileDialogRequest& request) override { return answer(request); }
    std::optional<std::string> askSaveFileName(const FileDialogRequest& request) override { return answer(request); }
    std::optional<std::int32_t> askColor(std::int32_t initial) override {
        colorRequests.push_back(initial);
        if (colorAnswers.empty())
            return std::nullopt;
        auto a = colorAnswers.front();
        colorAnswers.pop_front();
        return a;
    }

private:
    void shown(std::string message) {
        messages.push_back(std::move(message));
        if (whileOpen)
            whileOpen();
    }
    std::optional<std::string> answer(const FileDialogRequest& request) {
        fileRequests.push_back(request);
        if (fileAnswers.empty())
            return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};
