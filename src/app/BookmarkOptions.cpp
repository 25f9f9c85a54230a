#include "BookmarkOptions.h"

#include "collection/Documents.h"
#include "exchange/BookmarkExport.h"

#include <filesystem>
#include <string_view>

BookmarkOptions bookmarkOptions(int argc, char** argv) {
    BookmarkOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        for (auto [name, target] : {std::pair{std::string_view("--import"), &options.importFile},
                                    std::pair{std::string_view("--export"), &options.exportFile}}) {
            if (arg == name) {
                if (i + 1 >= argc) {
                    options.error = std::string(name) + " needs a file name.";
                    return options;
                }
                *target = argv[++i];
            } else if (arg.starts_with(std::string(name) + "=")) {
                *target = std::string(arg.substr(name.size() + 1));
            }
        }
    }
    return options;
}

std::string runningProgramFolder() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : program.parent_path().string() + "/";
}

std::optional<int> runBookmarkOptions(BookmarkOptions& options, const std::string& programFolder, std::ostream& errors) {
    if (!options.error.empty()) {
        errors << "wendelmoor: " << options.error << "\n";
        return 2;
    }
    if (options.exportFile) {
        const std::string collection = Documents::defaultCollectionPathIn(programFolder);
        const std::string error = exportCollectionFile(collection, *options.exportFile);
        if (!error.empty()) {
            errors << "wendelmoor: " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (options.importFile) {
        try {
            options.imported = readBookmarkFile(*options.importFile);
        } catch (const std::exception& e) {
            errors << "wendelmoor: " << e.what() << "\n";
            return 1;
        }
    }
    return std::nullopt;
}
