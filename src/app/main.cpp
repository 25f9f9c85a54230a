// Wendelmoor: the program start.
#include "app/DocumentCommands.h"
#include "collection/Documents.h"
#include "platform/qt/QtDialogs.h"
#include "ui/OutlineModel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTreeView>

namespace {

// Until the full main window exists: the collection shown read-only, saved again on closing.
class CollectionWindow : public QMainWindow {
public:
    CollectionWindow(Outline& outline, Documents& documents, DocumentCommands& commands)
        : documents_(documents), commands_(commands), model_(outline) {
        setWindowTitle("Wendelmoor");
        auto* tree = new QTreeView(this);
        tree->setModel(&model_);
        tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tree->header()->resizeSection(OutlineModel::NameColumn, 400);
        tree->expandAll();
        setCentralWidget(tree);
        auto* status = new QLabel(QString::fromStdString(documents_.statusText()), this);
        statusBar()->addWidget(status);
        resize(739, 527);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (commands_.FormClose())
            event->accept();
        else
            event->ignore();
    }

private:
    Documents& documents_;
    DocumentCommands& commands_;
    OutlineModel model_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Wendelmoor");

    Outline linksTree;
    linksTree.setRootCount(1);
    Documents documents(linksTree, QApplication::applicationDirPath().toStdString() + "/");
    QtDialogs dialogs;
    DocumentCommands commands(documents, dialogs);
    commands.loadStartCollection();

    CollectionWindow window(linksTree, documents, commands);
    dialogs.setParent(&window);
    window.show();
    return QApplication::exec();
}
