#include "QtBackgroundWork.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QProgressDialog>

#include <exception>
#include <thread>

bool QtBackgroundWork::run(const std::string& caption, const std::function<void(const std::atomic<bool>& cancel)>& work) {
    std::atomic<bool> cancel{false};
    std::exception_ptr failure;
    QEventLoop loop;
    QProgressDialog progress(QString::fromStdString(caption), QStringLiteral("Cancel"), 0, 0, parent_);
    progress.setWindowTitle(QStringLiteral("Wendelmoor"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);  // starts the half-second clock; the dialog then shows itself
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel = true; });
    std::thread worker([&] {
        try {
            work(cancel);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    progress.reset();
    if (failure && !cancel)
        std::rethrow_exception(failure);
    return !cancel;
}
