// Writes or reads the hot keys of a collection of top-level web address items:
//   hotkey_collection make FILE NAME|URL|HOTKEY...   writes the items
//   hotkey_collection dump FILE                      prints NAME|HOTKEY of each item, one a line
#include "collection/FileIO.h"
#include "collection/ItemType.h"
#include "collection/NodeStream.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::string verb = argc > 2 ? argv[1] : "";
    if (verb == "make") {
        Outline outline;
        for (int i = 3; i < argc; ++i) {
            std::vector<std::string> f;
            std::istringstream in(argv[i]);
            for (std::string part; std::getline(in, part, '|');)
                f.push_back(part);
            f.resize(3);
            Node* n = outline.addChild(nullptr);
            n->data.ItemType = ItemType::Url;
            n->data.Name = f[0];
            n->data.URL = f[1];
            n->data.HotKey = f[2];
        }
        writeFileSafely(argv[2], writeOutline(outline));
        return 0;
    }
    if (verb == "dump" && argc == 3) {
        Outline outline;
        try {
            readOutline(outline, readWholeFile(argv[2]));
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
        outline.forEach([](Node* n) { std::cout << n->data.Name << "|" << n->data.HotKey << "\n"; });
        return 0;
    }
    std::cerr << "usage: hotkey_collection make FILE NAME|URL|HOTKEY... | hotkey_collection dump FILE\n";
    return 2;
}
