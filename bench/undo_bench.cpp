// Undo and redo over a 100 000-item collection: deleting 50 000 items, pasting 10 000 and "Down" on
// every item, each as the command, its undo and its redo, through the main window with its outline
// view attached and repainted; the memory one rename step holds; and the same three commands on an
// outline alone with and without an undo history listening, in the same run, so that the share the
// history adds to a command shows. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include "QuietServices.h"
#include "SampleCollection.h"
#include "app/TForm1.h"
#include "collection/NodeStream.h"
#include "collection/UndoHistory.h"
#include "editing/Deletion.h"
#include "editing/OutlineClipboard.h"
#include "editing/Restructure.h"
#include "platform/UnavailableHotKeyService.h"
#include "ui/OutlineView.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>

namespace {

namespace fs = std::filesystem;
using namespace bench_services;

constexpr int kItems = 100'000;

const Bytes& sampleFile() {
    static const Bytes bytes = [] {
        Outline outline;
        buildSampleCollection(outline, kItems);
        return writeOutline(outline);
    }();
    return bytes;
}

// Selects `count` links spread evenly over the outline (every k-th link in document order).
void selectSpreadLinks(Outline& tree, int count) {
    int links = 0;
    tree.forEach([&](Node* n) { links += n->data.ItemType == 1 ? 1 : 0; });
    const int step = std::max(1, links / count);
    int seen = 0, chosen = 0;
    OutlineUpdate batch(tree);
    tree.clearSelection();
    for (Node* n = tree.first(); n && chosen < count; n = tree.next(n))
        if (n->data.ItemType == 1 && seen++ % step == 0) {
            tree.setSelected(n, true);
            ++chosen;
        }
}

// The main window over the sample collection, its commands run as the menus run them.
class Window {
public:
    Window() {
        folder_ = fs::temp_directory_path() / ("wendelmoor-undo-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "Info");
        form_ = std::make_unique<TForm1>(folder_.string() + "/",
                                         TForm1Services{dialogs_, hotKeys_, clipboard_, shell_, clock_, tray_});
        form_->FormCreate();
        form_->resize(1024, 768);
        form_->show();
        settle();
    }
    ~Window() {
        form_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Outline& tree() { return form_->LinksTree(); }
    UndoHistory& history() { return form_->undoHistory(); }
    void reload() {
        readOutline(tree(), sampleFile());
        tree().clearSelection();
        history().clear();
        settle();
    }
    void run(const char* path) { form_->actionAt(path)->trigger(); }
    // Whether the history hears the outline: without, a command costs what it cost before there was one.
    void setHistoryListening(bool listening) {
        tree().removeListener(&history());
        if (listening)
            tree().addListener(&history());
        tree().setKeepsRemovedNodes(listening);
    }
    void settle() {
        form_->linksTreeView()->viewport()->repaint();
        QCoreApplication::processEvents();
    }

private:
    QuietDialogs dialogs_;
    UnavailableHotKeyService hotKeys_;
    MemoryClipboard clipboard_;
    NoShell shell_;
    SystemClock clock_;
    NoTrayIcon tray_;
    fs::path folder_;
    std::unique_ptr<TForm1> form_;
};

enum class Phase { Command, Undo, Redo, CommandWithoutHistory };

// Runs `prepare` and `command` untimed up to the phase measured, then times that phase and its repaint.
template <class Prepare, class Command>
void measure(benchmark::State& state, Window& w, Phase phase, Prepare prepare, Command command) {
    w.setHistoryListening(phase != Phase::CommandWithoutHistory);
    if (phase == Phase::CommandWithoutHistory)
        phase = Phase::Command;
    for (auto _ : state) {
        state.PauseTiming();
        w.reload();
        prepare();
        w.settle();
        if (phase != Phase::Command) {
            command();
            w.settle();
        }
        if (phase == Phase::Redo) {
            w.run("Edit/Undo");
            w.settle();
        }
        state.ResumeTiming();
        if (phase == Phase::Command)
            command();
        else
            w.run(phase == Phase::Undo ? "Edit/Undo" : "Edit/Redo");
        w.settle();
    }
    state.counters["steps"] = static_cast<double>(w.history().undoCount());
    state.counters["history_bytes"] = static_cast<double>(w.history().bytes());
    w.setHistoryListening(true);
}

Window& window() {
    static Window w;
    return w;
}

void BM_Delete50000(benchmark::State& state) {
    Window& w = window();
    measure(state, w, static_cast<Phase>(state.range(0)), [&] { selectSpreadLinks(w.tree(), 50'000); },
            [&] { w.run("Edit/Delete Items"); });
}

void BM_Paste10000(benchmark::State& state) {
    Window& w = window();
    measure(
        state, w, static_cast<Phase>(state.range(0)),
        [&] {
            selectSpreadLinks(w.tree(), 10'000);
            w.run("Edit/Copy");
            w.tree().setFocused(w.tree().lastDeepest());
        },
        [&] { w.run("Edit/Paste"); });
}

void BM_DownAll(benchmark::State& state) {
    Window& w = window();
    measure(state, w, static_cast<Phase>(state.range(0)), [&] { w.tree().selectAll(); },
            [&] { w.run("Item/Move Items/Down"); });
}

// One item renamed as the title box renames it; the counter is what the step holds.
void BM_RenameStep(benchmark::State& state) {
    Window& w = window();
    w.reload();
    Node* item = w.tree().first();
    int round = 0;
    for (auto _ : state) {
        UndoStepScope step(w.history(), "Rename Item");
        w.tree().editRecord(item, [&](LinkItem& r) { r.Name = "Renamed item number " + std::to_string(++round); });
    }
    state.counters["step_bytes"] = static_cast<double>(w.history().newestStepBytes());
}

// The commands on an outline alone, with a history listening (range 1) or none (range 0).
class Bare {
public:
    explicit Bare(bool withHistory) : withHistory_(withHistory) {}
    Outline& tree() { return tree_; }
    // A fresh history after each load, which it need not hear.
    void reload() {
        history_.reset();
        readOutline(tree_, sampleFile());
        tree_.clearSelection();
        if (withHistory_)
            history_.emplace(tree_);
    }
    template <class F> void command(const char* name, F&& f) {
        std::optional<UndoStepScope> step;
        if (history_)
            step.emplace(*history_, name);
        f();
    }
    OutlineClipboard& clipboard() { return clipboard_; }

private:
    bool withHistory_;
    Outline tree_;
    std::optional<UndoHistory> history_;
    MemoryClipboard memory_;
    QuietDialogs dialogs_;
    OutlineClipboard clipboard_{tree_, 1, 4242, memory_, dialogs_};
};

void BM_BareDelete50000(benchmark::State& state) {
    Bare bare(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        bare.reload();
        selectSpreadLinks(bare.tree(), 50'000);
        state.ResumeTiming();
        bare.command("Delete Items", [&] { DelNodes(bare.tree()); });
    }
}

void BM_BarePaste10000(benchmark::State& state) {
    Bare bare(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        bare.reload();
        selectSpreadLinks(bare.tree(), 10'000);
        bare.clipboard().CopyNode();
        bare.tree().setFocused(bare.tree().lastDeepest());
        state.ResumeTiming();
        bare.command("Paste", [&] { bare.clipboard().PasteNode(); });
    }
}

void BM_BareDownAll(benchmark::State& state) {
    Bare bare(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        bare.reload();
        bare.tree().selectAll();
        state.ResumeTiming();
        bare.command("Move Items Down", [&] { MoveItemsDown(bare.tree()); });
    }
}

constexpr int kCommand = 0, kUndo = 1, kRedo = 2, kCommandWithoutHistory = 3;

BENCHMARK(BM_Delete50000)->Name("Window/Delete50000")->ArgName("command0_undo1_redo2_nohistory3")
    ->Arg(kCommand)->Arg(kUndo)->Arg(kRedo)->Arg(kCommandWithoutHistory)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste10000)->Name("Window/Paste10000")->ArgName("command0_undo1_redo2_nohistory3")
    ->Arg(kCommand)->Arg(kUndo)->Arg(kRedo)->Arg(kCommandWithoutHistory)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownAll)->Name("Window/DownAll")->ArgName("command0_undo1_redo2_nohistory3")
    ->Arg(kCommand)->Arg(kUndo)->Arg(kRedo)->Arg(kCommandWithoutHistory)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameStep)->Name("Window/RenameStep")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareDelete50000)->Name("Outline/Delete50000")->ArgName("history")->Arg(0)->Arg(1)
    ->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarePaste10000)->Name("Outline/Paste10000")->ArgName("history")->Arg(0)->Arg(1)
    ->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDownAll)->Name("Outline/DownAll")->ArgName("history")->Arg(0)->Arg(1)
    ->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

