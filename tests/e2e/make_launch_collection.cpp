// Writes a collection of top-level launch items:
//   make_launch_collection FILE TYPE|NAME|URL|PARAMS|DIR|SETS|SELECTED...
// TYPE and SETS are numbers, SELECTED is 1 for a selected item.
#include "collection/FileIO.h"
#include "collection/NodeStream.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_launch_collection FILE TYPE|NAME|URL|PARAMS|DIR|SETS|SELECTED...\n";
        return 2;
    }
    Outline outline;
    for (int i = 2; i < argc; ++i) {
        std::vector<std::string> f;
        std::istringstream in(argv[i]);
        for (std::string part; std::getline(in, part, '|');)
            f.push_back(part);
        f.resize(7);
        try {
            Node* n = outline.addChild(nullptr);
            n->data.ItemType = std::stoi(f[0]);
            n->data.Name = f[1];
            n->data.URL = f[2];
            n->data.Params = f[3];
            n->data.Dir = f[4];
            n->data.Sets = static_cast<std::uint32_t>(std::stoul(f[5].empty() ? "0" : f[5]));
            outline.setSelected(n, f[6] == "1");
        } catch (const std::exception&) {
            std::cerr << "make_launch_collection: not an item: " << argv[i] << "\n";
            return 2;
        }
    }
    writeFileSafely(argv[1], writeOutline(outline));
    return 0;
}
