// The collection at 10 000, 100 000 and 1 000 000 items: loading and saving the collection file, the
// memory an item takes, and loading the same items from a browser's bookmarks JSON and from a SQLite
// table, all in one run so that every time is read against the others (items_per_second).
#include "ChromiumBookmarks.h"
#include "MemoryProbe.h"
#include "SampleCollection.h"
#include "SqliteBookmarks.h"

#include "collection/FileIO.h"
#include "collection/NodeStream.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr int kSizes[] = {10'000, 100'000, 1'000'000};
constexpr int kLargeSize = 1'000'000; // few iterations from here on: single runs take seconds
constexpr int kLargeIterations = 3;

// One size's data: the sample outline, and the same items in each file format.
struct Dataset {
    int items = 0;
    std::unique_ptr<Outline> outline;
    std::string collectionFile;
    std::string chromiumFile;
    std::string sqliteFile;
    std::string savedFile; // written by the save benchmarks
};

// Makes each size's data once, in a folder of its own under the system's temporary folder, and
// removes the folder at the end. Only one size is kept: the benchmarks are registered size by size.
class Datasets {
public:
    Datasets() : folder_(fs::temp_directory_path() / ("wendelmoor-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
    }
    ~Datasets() {
        current_.reset();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Datasets(const Datasets&) = delete;
    Datasets& operator=(const Datasets&) = delete;

    const Dataset& get(int items) {
        if (current_ && current_->items == items)
            return *current_;
        drop();
        auto data = std::make_unique<Dataset>();
        data->items = items;
        data->outline = std::make_unique<Outline>();
        buildSampleCollection(*data->outline, items);
        const std::string stem = (folder_ / std::to_string(items)).string();
        data->collectionFile = stem + ".goto";
        data->chromiumFile = stem + "-Bookmarks.json";
        data->sqliteFile = stem + "-places.sqlite";
        data->savedFile = stem + "-saved.goto";
        writeFileSafely(data->collectionFile, writeOutline(*data->outline));
        writeChromiumBookmarks(*data->outline, data->chromiumFile);
        writeSqliteBookmarks(*data->outline, data->sqliteFile);
        current_ = std::move(data);
        return *current_;
    }

private:
    void drop() {
        if (!current_)
            return;
        std::error_code ignored;
        for (const std::string* file :
             {&current_->collectionFile, &current_->chromiumFile, &current_->sqliteFile, &current_->savedFile})
            fs::remove(*file, ignored);
        current_.reset();
    }

    fs::path folder_;
    std::unique_ptr<Dataset> current_;
};

// Runs f; an exception ends the benchmark with its message instead of ending the program.
template <class F> bool guarded(benchmark::State& state, F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return false;
    }
}

// Items per second of wall time, and the page faults the timed loop took per item, counted from
// `faultsBefore` (taken just before the loop).
void setLoopCounters(benchmark::State& state, int items, std::int64_t faultsBefore) {
    state.counters["items_per_second"] =
        benchmark::Counter(static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["page_faults_per_item"] = benchmark::Counter(
        static_cast<double>(pageFaults() - faultsBefore) / items, benchmark::Counter::kAvgIterations);
}

// Called while what the probe measured is still alive.
void setMemoryCounters(benchmark::State& state, const MemoryProbe& probe, int items) {
    state.counters["resident_bytes_per_item"] = static_cast<double>(probe.residentGrowth()) / items;
    if (const std::int64_t peak = probe.peakGrowth(); peak >= 0)
        state.counters["peak_bytes_per_item"] = static_cast<double>(peak) / items;
}

// What a load must bring back: the whole record, or what the other formats can carry.
enum class Compared { WholeRecord, NameUrlType };

// Same shape (equal child counts along document order) and the same compared fields.
bool sameItems(const Outline& expected, const Outline& actual, Compared compared) {
    const Node* e = expected.first();
    const Node* a = actual.first();
    for (; e && a; e = expected.next(e), a = actual.next(a)) {
        if (e->childCount() != a->childCount())
            return false;
        const bool same =
            compared == Compared::WholeRecord
                ? e->data == a->data
                : e->data.Name == a->data.Name && e->data.URL == a->data.URL && e->data.ItemType == a->data.ItemType;
        if (!same)
            return false;
    }
    return !e && !a;
}

void loadCollectionFile(Outline& outline, const std::string& path) {
    readOutline(outline, readWholeFile(path));
}

struct LoadFormat {
    void (*load)(Outline&, const std::string&);
    std::string Dataset::*file;
    Compared compared;
};

const LoadFormat kCollectionFormat{loadCollectionFile, &Dataset::collectionFile, Compared::WholeRecord};
const LoadFormat kChromiumFormat{readChromiumBookmarks, &Dataset::chromiumFile, Compared::NameUrlType};
const LoadFormat kSqliteFormat{readSqliteBookmarks, &Dataset::sqliteFile, Compared::NameUrlType};

// Where the memory a timed run allocates comes from. Reused: pages the process already holds, as in a
// program that has been running for a while (one untimed run first fills the heap). Fresh: pages
// given back before every run and touched anew, as in the first load of a newly started program;
// the page faults then count, and they cost far more on a virtual machine than on bare metal.
enum class Memory { Reused, Fresh };

void startRun(benchmark::State& state, Memory memory) {
    if (memory != Memory::Fresh)
        return;
    state.PauseTiming();
    releaseFreeMemory();
    state.ResumeTiming();
}

// From the file on disk (in the page cache: it was written just before) into a fresh outline, which is
// destroyed outside the timing. With reused memory, one more load is then measured for the memory
// counters and compared with the sample.
void loadBenchmark(benchmark::State& state, Datasets& datasets, const LoadFormat& format, Memory memory) {
    const int items = static_cast<int>(state.range(0));
    const Dataset* data = nullptr;
    if (!guarded(state, [&] { data = &datasets.get(items); }))
        return;
    const std::string& path = data->*format.file;
    if (memory == Memory::Reused && !guarded(state, [&] {
            Outline warmUp;
            format.load(warmUp, path);
        }))
        return;
    const std::int64_t faultsBefore = pageFaults();
    for (auto _ : state) {
        startRun(state, memory);
        auto outline = std::make_unique<Outline>();
        if (!guarded(state, [&] { format.load(*outline, path); }))
            break;
        benchmark::DoNotOptimize(outline.get());
        state.PauseTiming();
        outline.reset();
        state.ResumeTiming();
    }
    if (state.error_occurred())
        return;
    setLoopCounters(state, items, faultsBefore);
    state.counters["file_bytes_per_item"] = static_cast<double>(fs::file_size(path)) / items;
    if (memory == Memory::Fresh)
        return;

    MemoryProbe probe;
    auto outline = std::make_unique<Outline>();
    if (!guarded(state, [&] { format.load(*outline, path); }))
        return;
    setMemoryCounters(state, probe, items);
    if (!sameItems(*data->outline, *outline, format.compared))
        state.SkipWithError("The loaded items differ from the sample collection");
}

// The reader alone: the file's bytes are already in memory.
void readBytesBenchmark(benchmark::State& state, Datasets& datasets) {
    const int items = static_cast<int>(state.range(0));
    FileBytes bytes;
    if (!guarded(state, [&] {
            bytes = readWholeFile(datasets.get(items).collectionFile);
            Outline warmUp;
            readOutline(warmUp, bytes);
        }))
        return;
    const std::int64_t faultsBefore = pageFaults();
    for (auto _ : state) {
        auto outline = std::make_unique<Outline>();
        if (!guarded(state, [&] { readOutline(*outline, bytes); }))
            break;
        benchmark::DoNotOptimize(outline.get());
        state.PauseTiming();
        outline.reset();
        // The file read between two loads allocates a block this large, which makes the allocator sort
        // the blocks the teardown freed; without it the next load is served from unsorted free lists
        // and runs slower than a load from the file at 10 000 items.
        benchmark::DoNotOptimize(Bytes(bytes.size()).data());
        state.ResumeTiming();
    }
    if (!state.error_occurred())
        setLoopCounters(state, items, faultsBefore);
}

// A whole save: the stream written to memory, then to a temporary file that is flushed to disk and
// renamed over the previous save.
void saveBenchmark(benchmark::State& state, Datasets& datasets, Memory memory) {
    const int items = static_cast<int>(state.range(0));
    const Dataset* data = nullptr;
    if (!guarded(state, [&] { data = &datasets.get(items); }))
        return;
    if (memory == Memory::Reused)
        benchmark::DoNotOptimize(writeOutline(*data->outline).data());
    const std::int64_t faultsBefore = pageFaults();
    for (auto _ : state) {
        startRun(state, memory);
        if (!guarded(state, [&] { writeFileSafely(data->savedFile, writeOutline(*data->outline)); }))
            break;
    }
    if (state.error_occurred())
        return;
    setLoopCounters(state, items, faultsBefore);
    state.counters["file_bytes_per_item"] = static_cast<double>(fs::file_size(data->savedFile)) / items;
}

// The writer alone, into the in-memory buffer; against the whole save this shows the share of the disk.
void writeBytesBenchmark(benchmark::State& state, Datasets& datasets) {
    const int items = static_cast<int>(state.range(0));
    const Dataset* data = nullptr;
    if (!guarded(state, [&] { data = &datasets.get(items); }))
        return;
    benchmark::DoNotOptimize(writeOutline(*data->outline).data());
    const std::int64_t faultsBefore = pageFaults();
    for (auto _ : state) {
        Bytes bytes = writeOutline(*data->outline);
        benchmark::DoNotOptimize(bytes.data());
    }
    setLoopCounters(state, items, faultsBefore);
}

// Making the sample outline in memory, with the memory it then holds.
void buildBenchmark(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    {
        Outline warmUp;
        buildSampleCollection(warmUp, items);
    }
    const std::int64_t faultsBefore = pageFaults();
    for (auto _ : state) {
        auto outline = std::make_unique<Outline>();
        buildSampleCollection(*outline, items);
        benchmark::DoNotOptimize(outline.get());
        state.PauseTiming();
        outline.reset();
        state.ResumeTiming();
    }
    setLoopCounters(state, items, faultsBefore);
    MemoryProbe probe;
    auto outline = std::make_unique<Outline>();
    buildSampleCollection(*outline, items);
    setMemoryCounters(state, probe, items);
}

// The first load of a newly started program, in a process of its own started for each iteration, so
// that every page the load touches comes fresh from the system (the node pool's and the text arena's
// blocks too, which a running process keeps). What the child measures comes back on its standard
// output: the load's wall time, the resident memory the outline holds afterwards and the peak.
struct FreshLoad {
    double seconds = 0;
    double residentBytes = 0;
    double peakBytes = 0;
};

constexpr const char* kFreshLoadOption = "--fresh-load";

// In the child: `what` is "outline" (read the file and build the outline) or "file" (read it only).
int runFreshLoad(const std::string& what, const std::string& path) {
    MemoryProbe probe;
    const auto start = std::chrono::steady_clock::now();
    Outline outline;
    if (what == "outline")
        readOutline(outline, readWholeFile(path));
    else
        benchmark::DoNotOptimize(readWholeFile(path).data());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.9f %lld %lld\n", took.count(), static_cast<long long>(probe.residentGrowth()),
                static_cast<long long>(probe.peakGrowth()));
    return 0;
}

FreshLoad freshLoad(const std::string& what, const std::string& path) {
    int out[2];
    if (::pipe(out) != 0)
        throw std::runtime_error("Cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string self = "/proc/self/exe", option = kFreshLoadOption;
    std::string whatArg = what, pathArg = path;
    char* argv[] = {self.data(), option.data(), whatArg.data(), pathArg.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(out[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("The loading process failed");
    FreshLoad result;
    std::istringstream(text) >> result.seconds >> result.residentBytes >> result.peakBytes;
    return result;
}

void freshProcessBenchmark(benchmark::State& state, Datasets& datasets, const char* what) {
    const int items = static_cast<int>(state.range(0));
    const Dataset* data = nullptr;
    if (!guarded(state, [&] { data = &datasets.get(items); }))
        return;
    FreshLoad total;
    for (auto _ : state) {
        FreshLoad one;
        if (!guarded(state, [&] { one = freshLoad(what, data->collectionFile); }))
            return;
        state.SetIterationTime(one.seconds);
        total.residentBytes += one.residentBytes;
        total.peakBytes += one.peakBytes;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["items_per_second"] =
        benchmark::Counter(static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["resident_bytes_per_item"] = total.residentBytes / runs / items;
    state.counters["peak_bytes_per_item"] = total.peakBytes / runs / items;
    state.counters["file_bytes_per_item"] = static_cast<double>(fs::file_size(data->collectionFile)) / items;
}

// The disk's own speed for the same bytes: the collection file read and written the safe way
// (temporary file, flush, rename), as a save writes it.
void copyFileBenchmark(benchmark::State& state, Datasets& datasets) {
    const int items = static_cast<int>(state.range(0));
    const Dataset* data = nullptr;
    if (!guarded(state, [&] { data = &datasets.get(items); }))
        return;
    for (auto _ : state)
        if (!guarded(state, [&] { writeFileSafely(data->savedFile, readWholeFile(data->collectionFile)); }))
            return;
    state.counters["file_bytes_per_item"] = static_cast<double>(fs::file_size(data->savedFile)) / items;
}

void registerBenchmarks(Datasets& datasets) {
    for (const int items : kSizes) {
        auto add = [items](const char* name, std::function<void(benchmark::State&)> run) {
            benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name, std::move(run));
            b->Arg(items)->Unit(benchmark::kMillisecond)->UseRealTime(); // fsync waits: wall time counts
            if (items >= kLargeSize)
                b->Iterations(kLargeIterations);
        };
        Datasets* d = &datasets;
        using S = benchmark::State;
        add("Load/collection_file", [d](S& s) { loadBenchmark(s, *d, kCollectionFormat, Memory::Reused); });
        add("Load/collection_bytes", [d](S& s) { readBytesBenchmark(s, *d); });
        add("Load/chromium_json", [d](S& s) { loadBenchmark(s, *d, kChromiumFormat, Memory::Reused); });
        add("Load/sqlite", [d](S& s) { loadBenchmark(s, *d, kSqliteFormat, Memory::Reused); });
        add("FirstLoad/collection_file", [d](S& s) { loadBenchmark(s, *d, kCollectionFormat, Memory::Fresh); });
        add("FirstLoad/chromium_json", [d](S& s) { loadBenchmark(s, *d, kChromiumFormat, Memory::Fresh); });
        add("FirstLoad/sqlite", [d](S& s) { loadBenchmark(s, *d, kSqliteFormat, Memory::Fresh); });
        add("Save/collection_file", [d](S& s) { saveBenchmark(s, *d, Memory::Reused); });
        add("Save/collection_bytes", [d](S& s) { writeBytesBenchmark(s, *d); });
        add("FirstSave/collection_file", [d](S& s) { saveBenchmark(s, *d, Memory::Fresh); });
        add("Build/outline", [](S& s) { buildBenchmark(s); });
        add("Copy/collection_file", [d](S& s) { copyFileBenchmark(s, *d); });
        auto fresh = [&](const char* name, const char* what) {
            benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(
                name, [d, what](S& s) { freshProcessBenchmark(s, *d, what); });
            b->Arg(items)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(items >= kLargeSize ? 3 : 5);
        };
        fresh("FreshProcess/collection_file", "outline");
        fresh("FreshProcess/read_file_only", "file");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], kFreshLoadOption) == 0)
        return runFreshLoad(argv[2], argv[3]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    keepFreedMemory();
    Datasets datasets;
    registerBenchmarks(datasets);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
