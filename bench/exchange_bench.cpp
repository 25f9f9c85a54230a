// Importing 100 000 bookmarks in 5 000 folders from each source (an HTML bookmark file, a Chromium
// Bookmarks file, a Firefox places.sqlite), whole: reading the file, building the new group and
// attaching it to a collection; and exporting 100 000 items as an HTML bookmark file. The peak
// memory of an import is given against the size of its source, whole and without the imported
// items themselves (which stay in the collection).
#include "MemoryProbe.h"
#include "SampleCollection.h"

#include "collection/FileIO.h"
#include "exchange/BookmarkExport.h"
#include "exchange/BookmarkFile.h"
#include "exchange/BookmarkImport.h"
#include "exchange/FirefoxPlacesFixture.h"
#include "exchange/HtmlBookmarks.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kBookmarks = 100000;
constexpr int kFolders = 5000;

std::string text(std::mt19937_64& random, std::size_t size) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz      ";
    std::string s(size, ' ');
    for (char& c : s)
        c = kLetters[random() % (sizeof kLetters - 1)];
    return s;
}

// Folders three levels deep (20 top folders of 3 subfolders of 82), the bookmarks spread over them
// evenly; titles of about 40 bytes, addresses of about 70, one in four with two tags.
struct Sources {
    fs::path folder = fs::temp_directory_path() / ("wendelmoor-exchange-bench-" + std::to_string(::getpid()));
    fs::path html = folder / "bookmarks.html";
    fs::path chromium = folder / "Bookmarks";
    fs::path places = folder / "places.sqlite";

    // The files are made in a child process, so that this one has touched no text storage before the
    // imports are measured.
    Sources() {
        fs::create_directories(folder);
        const pid_t child = ::fork();
        if (child == 0) {
            write();
            ::_exit(0);
        }
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            throw std::runtime_error("the bookmark sources could not be made");
    }

    void write() const {
        std::mt19937_64 random(kSampleSeed);
        BookmarkTree tree;
        const int perFolder = kBookmarks / kFolders;
        int folders = 0;
        auto addLinks = [&](int depth) {
            for (int i = 0; i < perFolder; ++i) {
                Bookmark b;
                b.depth = depth;
                b.title = text(random, 40);
                b.url = "https://www." + text(random, 12) + ".example/" + text(random, 40);
                if (random() % 4 == 0)
                    b.tags = {text(random, 6), text(random, 8)};
                tree.items.push_back(std::move(b));
            }
        };
        auto addFolder = [&](int depth) {
            Bookmark f;
            f.kind = Bookmark::Kind::Folder;
            f.depth = depth;
            f.title = text(random, 20);
            tree.items.push_back(std::move(f));
            ++folders;
            addLinks(depth + 1);
        };
        // 20 × (1 + 3 × (1 + 82)) = 5 000 folders of 20 bookmarks each.
        for (int top = 0; top < 20; ++top) {
            addFolder(0);
            for (int middle = 0; middle < 3; ++middle) {
                addFolder(1);
                for (int leaf = 0; leaf < 82; ++leaf)
                    addFolder(2);
            }
        }
        if (folders != kFolders)
            throw std::logic_error("the folder plan does not make 5 000 folders");
        const std::string bytes = writeHtmlBookmarks(tree);
        std::ofstream(html, std::ios::binary) << bytes;
        writeChromium(tree);
        writePlaces(tree);
    }
    ~Sources() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    void writeChromium(const BookmarkTree& tree) const {
        // Built as the browser writes it: folders as nested "children" arrays, 3-space indentation.
        nlohmann::json bar = {{"children", nlohmann::json::array()}, {"name", "Bookmarks bar"}, {"type", "folder"}};
        std::vector<nlohmann::json*> parents{&bar["children"]};
        for (const Bookmark& b : tree.items) {
            parents.resize(static_cast<std::size_t>(b.depth) + 1);
            if (b.kind == Bookmark::Kind::Folder) {
                parents.back()->push_back({{"children", nlohmann::json::array()}, {"name", b.title}, {"type", "folder"}});
                parents.push_back(&parents.back()->back()["children"]);
            } else {
                parents.back()->push_back({{"date_added", "13340000000000000"}, {"name", b.title}, {"type", "url"}, {"url", b.url}});
            }
        }
        nlohmann::json file = {{"checksum", "0"}, {"roots", {{"bookmark_bar", bar}}}, {"version", 1}};
        std::ofstream(chromium, std::ios::binary) << file.dump(3);
    }

    void writePlaces(const BookmarkTree& tree) const {
        FirefoxPlacesFixture db(places.string());
        std::vector<std::int64_t> parents{FirefoxPlacesFixture::Toolbar};
        for (const Bookmark& b : tree.items) {
            parents.resize(static_cast<std::size_t>(b.depth) + 1);
            if (b.kind == Bookmark::Kind::Folder)
                parents.push_back(db.folder(parents.back(), b.title));
            else
                db.bookmark(parents.back(), b.title, b.url);
        }
    }
};

Sources& sources() {
    static Sources s;
    return s;
}

// One whole import into an empty collection.
std::size_t importOnce(const std::string& file) {
    auto tree = std::make_unique<Outline>();
    BookmarkFileContent content = readBookmarkFile(file);
    const KnownAddresses known = addressesOf(*tree);
    PreparedImport prepared(std::move(content.tree), "Bench", &known);
    prepared.attachTo(*tree);
    benchmark::DoNotOptimize(tree->totalCount());
    return prepared.summary().bookmarks;
}

struct ImportMemory {
    std::int64_t peak = -1;  // the highest resident growth during the import
    std::int64_t kept = 0;   // the growth that stays: the imported items, now part of the collection
};

// The memory of one import, measured in a child process forked before this process imported anything:
// the node storage and the text arena keep their blocks for the run, so an import here would reuse
// what an earlier one left, where a started program touches fresh pages.
ImportMemory measuredInChild(const fs::path& path) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        ImportMemory memory;
        {
            MemoryProbe probe;
            importOnce(path.string());
            memory = {probe.peakGrowth(), probe.residentGrowth()};
        }
        const bool written = ::write(pipeEnds[1], &memory, sizeof memory) == static_cast<ssize_t>(sizeof memory);
        ::_exit(written ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    ImportMemory memory;
    if (child < 0 || ::read(pipeEnds[0], &memory, sizeof memory) != static_cast<ssize_t>(sizeof memory))
        memory = {};
    ::close(pipeEnds[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return memory;
}

// Every source's figures, measured at the first import benchmark, before any import has run here.
const std::map<fs::path, ImportMemory>& importMemory() {
    static const std::map<fs::path, ImportMemory> figures = [] {
        std::map<fs::path, ImportMemory> m;
        for (const fs::path& path : {sources().html, sources().chromium, sources().places})
            m[path] = measuredInChild(path);
        return m;
    }();
    return figures;
}

void importFrom(benchmark::State& state, const fs::path& path) {
    const ImportMemory memory = importMemory().at(path);
    const std::string file = path.string();
    keepFreedMemory();
    for (auto _ : state)
        if (importOnce(file) != static_cast<std::size_t>(kBookmarks))
            state.SkipWithError("not every bookmark came in");
    const auto size = static_cast<double>(fs::file_size(path));
    state.counters["source_MB"] = size / 1e6;
    if (memory.peak >= 0) {
        state.counters["peak_per_source_byte"] = static_cast<double>(memory.peak) / size;
        // What the import needs beyond the items it adds: the source, the neutral tree, the parser.
        state.counters["overhead_per_source_byte"] = static_cast<double>(memory.peak - memory.kept) / size;
        state.counters["kept_per_source_byte"] = static_cast<double>(memory.kept) / size;
    }
    state.SetItemsProcessed(state.iterations() * kBookmarks);
}

void BM_Import_html(benchmark::State& state) { importFrom(state, sources().html); }
void BM_Import_chromium(benchmark::State& state) { importFrom(state, sources().chromium); }
void BM_Import_firefox(benchmark::State& state) { importFrom(state, sources().places); }

void BM_Export_html(benchmark::State& state) {
    Outline tree;
    buildSampleCollection(tree, kBookmarks);
    const std::string path = (sources().folder / "exported.html").string();
    for (auto _ : state) {
        const CollectedBookmarks collected = collectBookmarks(tree, false);
        writeBookmarkFile(path, writeHtmlBookmarks(collected.tree));
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
    state.SetItemsProcessed(state.iterations() * kBookmarks);
}

} // namespace

BENCHMARK(BM_Import_html)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Import_chromium)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Import_firefox)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Export_html)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
