// Dialogs shown with Qt's message boxes, file dialogs and colour dialog.
#pragma once

#include "platform/Dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const std::string& text) override;
    void showWarning(const std::string& text) override;
    void showError(const std::string& text) override;
    std::optional<std::string> askOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> askSaveFileName(const FileDialogRequest& request) override;
    std::optional<std::int32_t> askColor(std::int32_t initial) override;

private:
    QWidget* parent_;
};
