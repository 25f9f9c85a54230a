// The outline editing commands on a 100 000-item collection: select all + "Down", deleting 50 000
// items, copying and pasting 10 000 items, grouping 10 000 items. Each runs on the outline alone and
// through the main window's handler with the outline view attached and repainted, in the same run,
// so the view's share of the time shows. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM
// names another.
#include "QuietServices.h"
#include "SampleCollection.h"
#include "app/TForm1.h"
#include "collection/FileIO.h"
#include "collection/NodeStream.h"
#include "editing/Deletion.h"
#include "editing/OutlineClipboard.h"
#include "editing/Restructure.h"
#include "platform/UnavailableHotKeyService.h"
#include "ui/OutlineView.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <utility>

namespace {

namespace fs = std::filesystem;

constexpr int kItems = 100'000;

using namespace bench_services;

// The sample collection as a collection file, made once.
const Bytes& sampleFile() {
    static const Bytes bytes = [] {
        Outline outline;
        buildSampleCollection(outline, kItems);
        return writeOutline(outline);
    }();
    return bytes;
}

// Selects `count` links spread evenly over the whole outline (every k-th link in document order).
void selectSpreadLinks(Outline& tree, int count) {
    int links = 0;
    tree.forEach([&](Node* n) { links += n->data.ItemType == 1 ? 1 : 0; });
    const int step = std::max(1, links / count);
    int seen = 0, chosen = 0;
    OutlineUpdate batch(tree);  // one announcement, as a selection made in one go is
    tree.clearSelection();
    for (Node* n = tree.first(); n && chosen < count; n = tree.next(n))
        if (n->data.ItemType == 1 && seen++ % step == 0) {
            tree.setSelected(n, true);
            ++chosen;
        }
}

// Where the commands run: an outline alone, or the main window with its view.
class Bench {
public:
    virtual ~Bench() = default;
    virtual Outline& tree() = 0;
    virtual void down() = 0;
    virtual void remove() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void group() = 0;
    virtual void settle() {}  // the repaint that makes the change visible
    void reload() {
        readOutline(tree(), sampleFile());
        tree().clearSelection();
        settle();
    }
};

class OutlineBench : public Bench {
public:
    Outline& tree() override { return outline_; }
    void down() override { MoveItemsDown(outline_); }
    void remove() override { DelNodes(outline_); }
    void copy() override { clipboard_.CopyNode(); }
    void paste() override { clipboard_.PasteNode(); }
    void group() override { GroupItems(outline_); }

private:
    Outline outline_;
    MemoryClipboard memory_;
    QuietDialogs dialogs_;
    OutlineClipboard clipboard_{outline_, 1, 4242, memory_, dialogs_};
};

class WindowBench : public Bench {
public:
    WindowBench() {
        const fs::path dir = fs::temp_directory_path() / ("wendelmoor-editing-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir / "Info");
        folder_ = dir;
        form_ = std::make_unique<TForm1>(dir.string() + "/", TForm1Services{dialogs_, hotKeys_, clipboard_, shell_, clock_, tray_});
        form_->FormCreate();
        form_->resize(1024, 768);
        form_->show();
        form_->repaint();
    }
    ~WindowBench() override {
        form_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Outline& tree() override { return form_->LinksTree(); }
    void down() override { form_->Down1Click(); }
    void remove() override { form_->DeleteLink_mpClick(); }
    void copy() override { form_->CopyLink_mpClick(); }
    void paste() override { form_->PasteLink_mpClick(); }
    void group() override { form_->GroupItems1Click(); }
    void settle() override {
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

template <class B> void BM_SelectAllDown(benchmark::State& state) {
    B bench;
    bench.reload();
    for (auto _ : state) {
        bench.tree().selectAll();
        bench.down();
        bench.settle();
    }
    state.counters["moved"] = static_cast<double>(bench.tree().rootCount());
}

// "Down" alone, with everything selected beforehand: the command's share of the time above.
template <class B> void BM_DownAfterSelectAll(benchmark::State& state) {
    B bench;
    bench.reload();
    for (auto _ : state) {
        state.PauseTiming();
        bench.tree().selectAll();
        bench.settle();
        state.ResumeTiming();
        bench.down();
        bench.settle();
    }
}

template <class B> void BM_Delete50000(benchmark::State& state) {
    B bench;
    int before = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reload();
        selectSpreadLinks(bench.tree(), 50'000);
        before = bench.tree().totalCount();
        state.ResumeTiming();
        bench.remove();
        bench.settle();
    }
    state.counters["deleted"] = static_cast<double>(before - bench.tree().totalCount());
}

template <class B> void BM_CopyPaste10000(benchmark::State& state) {
    B bench;
    bench.reload();
    Outline& tree = bench.tree();
    int pasted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        selectSpreadLinks(tree, 10'000);
        Node* target = tree.addChild(nullptr);
        tree.setFocused(target);
        state.ResumeTiming();
        bench.copy();
        bench.paste();
        bench.settle();
        state.PauseTiming();
        pasted = target->childCount();
        tree.deleteNode(target);
        state.ResumeTiming();
    }
    state.counters["pasted"] = pasted;
}

template <class B> void BM_Group10000(benchmark::State& state) {
    B bench;
    int grouped = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.reload();
        selectSpreadLinks(bench.tree(), 10'000);
        state.ResumeTiming();
        bench.group();
        bench.settle();
        grouped = bench.tree().firstSelected()->parent()->childCount();
    }
    state.counters["grouped"] = grouped;
}

BENCHMARK(BM_SelectAllDown<OutlineBench>)->Name("Outline/SelectAllDown")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownAfterSelectAll<OutlineBench>)->Name("Outline/DownAfterSelectAll")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete50000<OutlineBench>)->Name("Outline/Delete50000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPaste10000<OutlineBench>)->Name("Outline/CopyPaste10000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Group10000<OutlineBench>)->Name("Outline/Group10000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllDown<WindowBench>)->Name("Window/SelectAllDown")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownAfterSelectAll<WindowBench>)->Name("Window/DownAfterSelectAll")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete50000<WindowBench>)->Name("Window/Delete50000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPaste10000<WindowBench>)->Name("Window/CopyPaste10000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Group10000<WindowBench>)->Name("Window/Group10000")->Unit(benchmark::kMillisecond);

} // namespace
