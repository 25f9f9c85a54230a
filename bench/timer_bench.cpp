// One tick of the reminder timer over 100 000 and 1 000 000 sample items, one in a thousand of them
// timed for a minute that does not come: the tick the idle program pays every two seconds, the first
// tick after an item's record changed, and the first tick after the outline's structure changed,
// which walks the whole outline to find the timed items again.
#include "SampleCollection.h"
#include "panels/TimedActions.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

struct FixedClock : Clock {
    std::string timeText() const override { return "12:00:00"; }
    std::string dateText() const override { return "10.12.2026"; }
};

struct TimedSample {
    Outline outline;
    TimedActions timed{outline};
    explicit TimedSample(int items) {
        buildSampleCollection(outline, items);
        int i = 0;
        outline.forEach([&](Node* n) {
            if (i++ % 1000 == 0)
                n->data.Time = "23:59";
        });
    }
};

TimedSample& sample(int items) {
    static std::map<int, std::unique_ptr<TimedSample>> samples;
    auto& s = samples[items];
    if (!s)
        s = std::make_unique<TimedSample>(items);
    return *s;
}

const TimedActionServices kNoActions{};

void BM_IdleTick(benchmark::State& state) {
    TimedSample& s = sample(static_cast<int>(state.range(0)));
    FixedClock clock;
    s.timed.fire(clock, kNoActions);  // the list is built before the measured ticks
    for (auto _ : state)
        s.timed.fire(clock, kNoActions);
}

void BM_FirstTickAfterARecordChange(benchmark::State& state) {
    TimedSample& s = sample(static_cast<int>(state.range(0)));
    FixedClock clock;
    Node* first = s.outline.first();
    for (auto _ : state) {
        state.PauseTiming();
        s.outline.recordChanged(first);
        state.ResumeTiming();
        s.timed.fire(clock, kNoActions);
    }
}

// An item added and deleted again: the list is stale and the tick walks the whole outline.
void BM_FirstTickAfterAStructureChange(benchmark::State& state) {
    TimedSample& s = sample(static_cast<int>(state.range(0)));
    FixedClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        s.outline.deleteNode(s.outline.addChild(nullptr));
        state.ResumeTiming();
        s.timed.fire(clock, kNoActions);
    }
}

}  // namespace

BENCHMARK(BM_IdleTick)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstTickAfterARecordChange)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstTickAfterAStructureChange)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
