// The main window over a 100 000-item collection: from start to the first painted window (also with an
// empty collection and with 300 000 items, to read the others against), and the
// cost of a focus move, expanding a branch and scrolling a page, each with the repaint it causes.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include "QuietServices.h"
#include "SampleCollection.h"
#include "app/TForm1.h"
#include "collection/FileIO.h"
#include "collection/NodeStream.h"
#include "platform/UnavailableHotKeyService.h"
#include "ui/OutlineView.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

using namespace bench_services;

// A program folder holding a links.goto of `items` sample items, made once.
std::string programFolder(int items) {
    static std::map<int, std::string> folders;
    auto& folder = folders[items];
    if (folder.empty()) {
        fs::path dir = fs::temp_directory_path() / ("wendelmoor-window-bench-" + std::to_string(items));
        fs::create_directories(dir / "Info");
        Outline outline;
        buildSampleCollection(outline, items);
        writeFileSafely((dir / "links.goto").string(), writeOutline(outline));
        folder = dir.string() + "/";
    }
    return folder;
}

struct Window {
    QuietDialogs dialogs;
    UnavailableHotKeyService hotKeys;
    MemoryClipboard clipboard;
    NoShell shell;
    SystemClock clock;
    NoTrayIcon tray;
    TForm1 form;
    explicit Window(int items)
        : form(programFolder(items), TForm1Services{dialogs, hotKeys, clipboard, shell, clock, tray}) {}
    void showAndPaint() {
        form.FormCreate();
        form.resize(1024, 768);
        form.show();
        form.repaint();  // the first paint happens here, synchronously
    }
};

void paintNow(QWidget* w) {
    w->repaint();
    QCoreApplication::processEvents();
}

void BM_StartToFirstPaint(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    programFolder(items);
    for (auto _ : state) {
        auto window = std::make_unique<Window>(items);
        window->showAndPaint();
        state.PauseTiming();
        window.reset();  // closing saves: outside the measured time
        state.ResumeTiming();
    }
}

void BM_FocusMove(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    window.showAndPaint();
    Outline& tree = window.form.LinksTree();
    Node* node = tree.first();
    tree.setFocused(node);
    for (auto _ : state) {
        Node* next = tree.nextSibling(node) ? tree.nextSibling(node) : tree.first();
        tree.setFocused(next);
        paintNow(window.form.linksTreeView()->viewport());
        node = next;
    }
}

void BM_ExpandBranch(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    window.showAndPaint();
    Outline& tree = window.form.LinksTree();
    Node* branch = tree.first();
    for (auto _ : state) {
        tree.setExpanded(branch, true);
        paintNow(window.form.linksTreeView()->viewport());
        state.PauseTiming();
        tree.setExpanded(branch, false);
        paintNow(window.form.linksTreeView()->viewport());
        state.ResumeTiming();
    }
}

void BM_ScrollPage(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)));
    window.showAndPaint();
    Outline& tree = window.form.LinksTree();
    tree.setExpandedAll(true);
    paintNow(window.form.linksTreeView()->viewport());
    QScrollBar* bar = window.form.linksTreeView()->verticalScrollBar();
    for (auto _ : state) {
        int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        paintNow(window.form.linksTreeView()->viewport());
    }
}

BENCHMARK(BM_StartToFirstPaint)->Arg(0)->Arg(100000)->Arg(300000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FocusMove)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandBranch)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollPage)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
