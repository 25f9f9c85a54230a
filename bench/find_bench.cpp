// The find bar and the quick launcher over 100 000 and 1 000 000 items: one key typed (the search
// over every field of every item and the list's update and repaint), the search alone, and the quick
// launcher's box shown. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include "MemoryProbe.h"
#include "SampleCollection.h"
#include "find/Finder.h"
#include "ui/FindBar.h"
#include "ui/FoundItemList.h"
#include "ui/QuickLauncherBox.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

// A sample outline with a finder and a shown find bar, made once per size.
struct Searched {
    explicit Searched(int items) {
        {
            MemoryProbe probe;
            buildSampleCollection(outline, items);
            collectionBytes = static_cast<double>(probe.residentGrowth());
        }
        finder = std::make_unique<Finder>(outline);
        finder->find("x"); // the index is made by the first search
        bar = std::make_unique<FindBar>(*finder, FindBar::Actions{[](Node*) {}, [](Node*) {}, [] {}});
        bar->resize(800, 240);
        bar->open();
        QCoreApplication::processEvents();
    }
    Outline outline;
    double collectionBytes = 0;
    std::unique_ptr<Finder> finder;
    std::unique_ptr<FindBar> bar;
};

Searched& searched(int items) {
    // Never destroyed: the widgets must not outlive the application object at exit.
    static auto& made = *new std::map<int, std::unique_ptr<Searched>>;
    auto& s = made[items];
    if (!s)
        s = std::make_unique<Searched>(items);
    return *s;
}

// Types the query key by key, over and over: every iteration is one key, ending with the repaint.
void typing(benchmark::State& state, std::string query) {
    Searched& s = searched(static_cast<int>(state.range(0)));
    std::size_t typed = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        typed = typed % query.size() + 1;
        s.bar->box()->setText(QString::fromStdString(query.substr(0, typed)));
        s.bar->list()->viewport()->repaint();
        QCoreApplication::processEvents();
        found += static_cast<std::size_t>(s.bar->list()->count());
    }
    benchmark::DoNotOptimize(found);
    const double items = static_cast<double>(state.range(0));
    state.counters["collection_bytes_per_item"] = s.collectionBytes / items;
}

// The search alone, without the list.
void searchOnly(benchmark::State& state, std::string query) {
    Searched& s = searched(static_cast<int>(state.range(0)));
    std::size_t total = 0;
    for (auto _ : state)
        total += s.finder->find(query).total;
    state.counters["matches"] = static_cast<double>(s.finder->find(query).total);
}

// Items inserted and deleted, then the next search: it sees the outline as it is now.
void searchAfterChanges(benchmark::State& state, int changes) {
    Searched& s = searched(static_cast<int>(state.range(0)));
    Node* middle = s.outline.first();
    for (int i = 0; i < 1000 && middle; ++i)
        middle = s.outline.next(middle);
    for (auto _ : state) {
        for (int i = 0; i < changes; ++i) {
            Node* added = s.outline.insertNode(middle, AttachMode::After);
            added->data.Name = "Kestrel river " + std::to_string(i);
            s.outline.deleteNode(s.outline.insertNode(middle, AttachMode::Before));
        }
        benchmark::DoNotOptimize(s.finder->find("river").total);
        state.PauseTiming();
        for (int i = 0; i < changes; ++i)
            s.outline.deleteNode(s.outline.next(middle));
        s.finder->find("river");
        state.ResumeTiming();
    }
}

// The quick launcher's box from its key to shown and painted (the box made before, as the window
// makes it at start).
void launcherShown(benchmark::State& state) {
    Searched& s = searched(static_cast<int>(state.range(0)));
    QuickLauncherBox box(*s.finder, [](Node*) {});
    for (auto _ : state) {
        box.open();
        box.repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        box.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void registerAll() {
    // Queries of the sample's words: a common word, a rare one typed out, two words, an address part,
    // and one that matches nothing (every item looked at in full).
    const std::pair<const char*, const char*> queries[] = {
        {"common_word", "river"},         {"two_words", "kernel guide"}, {"address", "wiki.example"},
        {"field_prefix", "url:moorland"}, {"no_match", "zzqx"},
    };
    for (int items : {100000, 1000000}) {
        for (const auto& [name, query] : queries) {
            benchmark::RegisterBenchmark((std::string("FindKey/") + name).c_str(), typing, std::string(query))
                ->Arg(items)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
            benchmark::RegisterBenchmark((std::string("FindSearchOnly/") + name).c_str(), searchOnly,
                                         std::string(query))
                ->Arg(items)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
        benchmark::RegisterBenchmark("FindAfterInsertAndDelete", searchAfterChanges, 1)
            ->Arg(items)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("FindAfterBurstOfChanges", searchAfterChanges, 10)
            ->Arg(items)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("QuickLauncherShown", launcherShown)
            ->Arg(items)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

const bool registered = (registerAll(), true);

} // namespace
