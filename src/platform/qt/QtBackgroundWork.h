// BackgroundWork on a worker thread, with a QProgressDialog (busy bar, "Cancel") shown when the work
// takes longer than half a second. The window's events go on meanwhile.
#pragma once

#include "platform/BackgroundWork.h"

class QWidget;

class QtBackgroundWork : public BackgroundWork {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    bool run(const std::string& caption, const std::function<void(const std::atomic<bool>& cancel)>& work) override;

private:
    QWidget* parent_ = nullptr;
};
