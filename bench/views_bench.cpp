// The view commands on 100 000 and 1 000 000 items with the outline view attached and repainted:
// level views, hoist, expand and collapse all, select all, invert, goto last, and an incremental
// search that goes all the way round without a match. Each measured time ends with the repaint the
// command causes. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include "SampleCollection.h"
#include "editing/Expanding.h"
#include "editing/LevelViews.h"
#include "editing/Navigation.h"
#include "editing/Selection.h"
#include "ui/OutlineModel.h"
#include "ui/OutlineView.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

// An outline of sample items in a shown view, as the window's outline is: served by expand-on-focus,
// which is made before the view. Made once per size; every measurement starts from its first states.
class Viewed {
public:
    explicit Viewed(int items) {
        buildSampleCollection(outline_, items);
        outline_.forEach([this](Node* n) { startStates_.push_back(n->states()); });
        model_ = std::make_unique<OutlineModel>(outline_);
        view_ = std::make_unique<OutlineView>(*model_);
        view_->configureAsLinksTree();
        view_->setBeep([] {});
        view_->resize(1024, 700);
        view_->show();
        settle();
    }
    Outline& outline() { return outline_; }
    OutlineView& view() { return *view_; }

    // The repaint that shows the change.
    void settle() {
        view_->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    // Back to the states the sample was made with: everything visible, nothing selected, the first
    // item focused, about half of the groups expanded.
    void restore() {
        outline_.setFocused(outline_.first());
        {
            OutlineUpdate update(outline_);
            std::size_t i = 0;
            outline_.forEach([this, &i](Node* n) {
                NodeBase base = outline_.base(n);
                base.states = startStates_[i++];
                outline_.setBase(n, base);
            });
        }
        settle();
    }

private:
    Outline outline_;
    ExpandOnFocus expandOnFocus_{outline_};
    std::vector<std::uint16_t> startStates_;
    std::unique_ptr<OutlineModel> model_;
    std::unique_ptr<OutlineView> view_;
};

Viewed& viewed(int items) {
    static std::map<int, std::unique_ptr<Viewed>> made;
    auto& v = made[items];
    if (!v)
        v = std::make_unique<Viewed>(items);
    return *v;
}

using Step = std::function<void(Viewed&)>;

// Measures `command` and the repaint after it; `prepare` runs before each time, outside it.
void measure(benchmark::State& state, const Step& prepare, const Step& command) {
    Viewed& v = viewed(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        v.restore();
        prepare(v);
        v.settle();
        state.ResumeTiming();
        command(v);
        v.settle();
    }
}

void nothing(Viewed&) {}

void BM_Level1(benchmark::State& state) {
    measure(state, nothing, [](Viewed& v) { ShowLevel(v.outline(), 0); });
}

void BM_Level1AfterExpandAll(benchmark::State& state) {
    measure(state, [](Viewed& v) { ExpandAll(v.outline()); }, [](Viewed& v) { ShowLevel(v.outline(), 0); });
}

void BM_AllLevelsAfterLevel1(benchmark::State& state) {
    measure(state, [](Viewed& v) { ShowLevel(v.outline(), 0); }, [](Viewed& v) { AllLevels(v.outline()); });
}

void BM_Hoist(benchmark::State& state) {
    measure(state, nothing, [](Viewed& v) { Hoist(v.outline()); });
}

void BM_ExpandAll(benchmark::State& state) {
    measure(state, nothing, [](Viewed& v) { ExpandAll(v.outline()); });
}

void BM_CollapseAll(benchmark::State& state) {
    measure(state, [](Viewed& v) { ExpandAll(v.outline()); }, [](Viewed& v) { CollapseAll(v.outline()); });
}

void BM_SelectAll(benchmark::State& state) {
    measure(state, nothing, [](Viewed& v) { SelectAll(v.outline()); });
}

void BM_SelectAllVisible(benchmark::State& state) {
    measure(state, [](Viewed& v) { ExpandAll(v.outline()); }, [](Viewed& v) { SelectAllVisible(v.outline()); });
}

void BM_UnselectAll(benchmark::State& state) {
    measure(state, [](Viewed& v) { SelectAll(v.outline()); }, [](Viewed& v) { UnselectAll(v.outline()); });
}

void BM_Invert(benchmark::State& state) {
    measure(state, [](Viewed& v) { GotoFirst(v.outline()); }, [](Viewed& v) { Invert(v.outline()); });
}

void BM_GotoLast(benchmark::State& state) {
    measure(state, [](Viewed& v) { GotoFirst(v.outline()); }, [](Viewed& v) { GotoLast(v.outline()); });
}

// No name begins with "~", so the search goes round every item back to the focused one.
void BM_SearchWithoutMatch(benchmark::State& state) {
    measure(
        state,
        [](Viewed& v) {
            Outline& o = v.outline();
            Node* middle = o.first();
            for (int i = 0; i < o.rootCount() / 2; ++i)
                middle = o.nextSibling(middle);
            o.setFocused(middle);
        },
        [](Viewed& v) { v.view().keyboardSearch(QStringLiteral("~")); });
}

#define VIEWS_BENCHMARK(name) \
    BENCHMARK(name)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5)

VIEWS_BENCHMARK(BM_Level1);
VIEWS_BENCHMARK(BM_Level1AfterExpandAll);
VIEWS_BENCHMARK(BM_AllLevelsAfterLevel1);
VIEWS_BENCHMARK(BM_Hoist);
VIEWS_BENCHMARK(BM_ExpandAll);
VIEWS_BENCHMARK(BM_CollapseAll);
VIEWS_BENCHMARK(BM_SelectAll);
VIEWS_BENCHMARK(BM_SelectAllVisible);
VIEWS_BENCHMARK(BM_UnselectAll);
VIEWS_BENCHMARK(BM_Invert);
VIEWS_BENCHMARK(BM_GotoLast);
VIEWS_BENCHMARK(BM_SearchWithoutMatch);

} // namespace
