// Writes a collection file with one top-level item per name: make_collection FILE NAME...
#include "collection/FileIO.h"
#include "collection/NodeStream.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_collection FILE NAME...\n";
        return 2;
    }
    Outline outline;
    for (int i = 2; i < argc; ++i)
        outline.addChild(nullptr)->data.Name = argv[i];
    writeFileSafely(argv[1], writeOutline(outline));
    return 0;
}
