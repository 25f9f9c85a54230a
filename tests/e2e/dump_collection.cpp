// Prints the names of a collection file's items in document order, two spaces per level.
#include "collection/FileIO.h"
#include "collection/NodeStream.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: dump_collection FILE\n";
        return 2;
    }
    Outline outline;
    try {
        readOutline(outline, readWholeFile(argv[1]));
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    outline.forEach([&](Node* n) { std::cout << std::string(2 * outline.level(n), ' ') << n->data.Name << "\n"; });
    return 0;
}
