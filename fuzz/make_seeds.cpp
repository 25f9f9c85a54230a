// Writes small seed corpora for the harnesses: make_seeds <file-corpus-dir> <clipboard-corpus-dir>
#include "collection/NodeStream.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

void save(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void fill(Outline& o) {
    Node* group = o.addChild(nullptr);
    group->data.Name = "Group";
    Node* url = o.addChild(group);
    url->data.Name = "Example";
    url->data.URL = "https://example.org/";
    url->data.ItemType = 1;
    url->data.Time = "09:30";
    url->data.Remind = "+";
    o.setSelected(url, true);
    o.setExpanded(group, true);
    Node* note = o.addChild(nullptr);
    note->data.Name = "Gr\xFC\xDF" "e";
    note->data.Text = "text";
    note->data.ItemType = 8;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_seeds <file-corpus-dir> <clipboard-corpus-dir>\n";
        return 2;
    }
    const std::string files = argv[1], clips = argv[2];
    Outline empty, one, filled;
    one.addChild(nullptr);
    fill(filled);
    save(files + "/empty.goto", writeOutline(empty));
    save(files + "/one.goto", writeOutline(one));
    save(files + "/filled.goto", writeOutline(filled));
    Bytes old = writeOutline(filled);
    old[6] = 1;  // a version 1 header over version 2 bodies: exercises the old path
    save(files + "/version1.goto", old);
    save(clips + "/filled.clip", toGlobalMemoryForm(writeNodeChunks(filled, filled.root()->children())));
    save(clips + "/one.clip", toGlobalMemoryForm(writeNodeChunks(one, one.root()->children())));
    return 0;
}
