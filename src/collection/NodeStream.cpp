#include "NodeStream.h"

#include "ByteIO.h"
#include "LinkItemRecord.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t kHeaderUnits[6] = {0x2045, 0x0056, 0x0054, kStreamVersion, 0x0020, 0x2046};

[[noreturn]] void fail(int number) {
    switch (number) {
    case StreamErrorNumber::WrongFormat:
        throw StreamError(number, "Unable to load tree structure, the format is wrong.");
    case StreamErrorNumber::UnknownVersion:
        throw StreamError(number, "Unable to load tree structure, the version is unknown.");
    case StreamErrorNumber::MissingAnchor:
        throw StreamError(number, "Stream data corrupt. A node's anchor chunk is missing.");
    case StreamErrorNumber::DataAfterNodeEnd:
        throw StreamError(number, "Stream data corrupt. Unexpected data after node's end position.");
    default:
        throw StreamError(StreamErrorNumber::NotEnoughData,
                          "Unable to load tree structure, not enough data available.");
    }
}

// A node chunk's bytes besides its children and its record: the node header, the base chunk (header
// and 17 bytes) and the user-data header.
constexpr std::size_t kNodeChunkOverhead = 8 + 8 + 17 + 8;

// The bytes writeNodes writes, so the buffer is sized once.
std::size_t nodeChunksSize(const Outline& outline, const std::vector<Node*>& tops) {
    std::size_t total = 0;
    for (Node* top : tops)
        outline.forEachInSubtree(top, [&total](const Node* n) { total += kNodeChunkOverhead + linkItemSize(n->data); });
    return total;
}

// A buffer is not zeroed when it is sized: a byte left unwritten would be garbage in the file.
void checkFilled(const ByteWriter& out, const Bytes& bytes) {
    if (out.position() != bytes.size())
        throw std::logic_error("The node stream was sized wrongly");
}

// Writes nodes depth first without recursion, patching each chunk's size once its body is known.
void writeNodes(ByteWriter& out, const Outline& outline, const std::vector<Node*>& tops) {
    struct Frame {
        const Node* node;
        std::size_t nodePos;
        std::size_t basePos;
        int nextChild;
    };
    std::vector<Frame> stack;
    auto begin = [&](const Node* n) {
        Frame f{n, out.position(), 0, 0};
        out.i32(ChunkType::Node);
        out.i32(0);
        f.basePos = out.position();
        out.i32(ChunkType::Base);
        out.i32(0);
        NodeBase b = outline.base(n);
        out.u32(static_cast<std::uint32_t>(n->childCount()));
        out.u32(b.rowHeight);
        // Writing initialises a node; transient bits never reach the stream.
        out.u16(static_cast<std::uint16_t>((b.states | NodeState::Initialized) & NodeState::PersistentMask));
        out.u8(b.alignment);
        out.u8(b.checkState);
        out.u8(b.checkType);
        out.u32(0);
        stack.push_back(f);
    };
    auto patch = [&](std::size_t chunkPos) {
        out.patchI32(chunkPos + 4, static_cast<std::int32_t>(out.position() - chunkPos - 8));
    };
    for (const Node* top : tops) {
        begin(top);
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.nextChild < f.node->childCount()) {
                begin(f.node->child(f.nextChild++));
                continue;
            }
            patch(f.basePos);
            std::size_t userPos = out.position();
            out.i32(ChunkType::UserData);
            out.i32(0);
            writeLinkItem(out, f.node->data);
            patch(userPos);
            patch(f.nodePos);
            stack.pop_back();
        }
    }
}

// The child bits a node's children give it.
std::uint16_t withDerivedChildBits(std::uint16_t states, const Node* node) {
    states &= static_cast<std::uint16_t>(~(NodeState::HasChildren | NodeState::AllChildrenHidden));
    if (node->childCount() == 0)
        return states;
    states |= NodeState::HasChildren;
    const auto& children = node->children();
    if (std::none_of(children.begin(), children.end(), [](const Node* c) { return c->isVisible(); }))
        states |= NodeState::AllChildrenHidden;
    return states;
}

// Reads node chunks without recursion, so a deeply nested stream cannot exhaust the stack.
//
// A stream cut short (a node whose chunk claims more bytes than there are: the usual damage of a
// file) is read as far as its data goes: every node keeps its base body and its record when they
// were read, and every child read whole; a node of which not even the base body was read is
// dropped, except the one the caller gave. The error is raised once that is done.
class NodeReader {
public:
    NodeReader(Outline& outline, ByteSpan bytes, std::uint16_t version)
        : outline_(outline), in_(bytes.data(), bytes.size()), version_(version) {}

    ByteReader& in() { return in_; }
    // Whether a node claimed more bytes than the stream holds.
    bool cut() const { return cut_; }
    // Whether the last node given to readNode was dropped by a cut because nothing of it was read.
    bool givenNodeEmpty() const { return givenNodeEmpty_; }

    void readNode(Node* node) {
        givenNodeEmpty_ = false;
        try {
            readTree(node);
        } catch (const StreamError& e) {
            if (e.number() == StreamErrorNumber::NotEnoughData)
                keepWhatWasRead();
            throw;
        }
    }

private:
    struct Frame {
        Node* node;
        std::size_t end;
        std::uint32_t childrenLeft = 0;
        NodeBase base{};
        bool baseRead = false;
        bool basePending = false;
    };

    void readTree(Node* node) {
        beginNode(node);
        while (!stack_.empty()) {
            Frame& f = stack_.back();
            if (f.childrenLeft > 0) {
                if (in_.position() >= f.end)  // more children announced than the node holds
                    fail(StreamErrorNumber::NotEnoughData);
                --f.childrenLeft;
                Node* child = outline_.addChild(f.node);
                beginNode(child);
                continue;
            }
            if (f.basePending) {
                // Adding children touched the parent's child flags; the stored states win.
                outline_.setBase(f.node, storedStates(f));
                f.basePending = false;
            }
            if (in_.position() < f.end) {
                readChunk(f);
                continue;
            }
            if (in_.position() != f.end) {
                if (cut_ && in_.position() >= in_.size())  // a chunk inside reached past the cut
                    fail(StreamErrorNumber::NotEnoughData);
                fail(StreamErrorNumber::DataAfterNodeEnd);
            }
            stack_.pop_back();
        }
    }

    // Version 2 streams store the child bits as the program set them; older ones have none, so the
    // node gets those its children give it.
    NodeBase storedStates(const Frame& f) const {
        NodeBase b = f.base;
        if (version_ < 2)
            b.states = withDerivedChildBits(b.states, f.node);
        return b;
    }

    void keepWhatWasRead() {
        for (std::size_t i = stack_.size(); i-- > 0;) {
            Frame& f = stack_[i];
            if (f.baseRead) {
                NodeBase b = f.base;
                b.states = withDerivedChildBits(b.states, f.node);
                outline_.setBase(f.node, b);
            } else if (i > 0) {
                outline_.deleteNode(f.node);
            } else {
                givenNodeEmpty_ = true;
            }
        }
        stack_.clear();
    }

    void header(std::int32_t& type, std::int32_t& size) {
        if (!in_.i32(type) || !in_.i32(size))
            fail(StreamErrorNumber::NotEnoughData);
    }

    void beginNode(Node* node) {
        stack_.push_back(Frame{node, in_.size()});
        std::int32_t type, size;
        header(type, size);
        if (type != ChunkType::Node)
            fail(StreamErrorNumber::MissingAnchor);
        if (size < 0)
            fail(StreamErrorNumber::DataAfterNodeEnd);
        std::size_t end = in_.position() + static_cast<std::size_t>(size);
        if (end > in_.size()) {
            cut_ = true;
            end = in_.size();
        }
        stack_.back().end = end;
    }

    void readChunk(Frame& f) {
        std::int32_t type, size;
        header(type, size);
        if (type == ChunkType::Base) {
            readBase(f);
            return;
        }
        if (size < 0)  // a backward skip could loop for ever
            fail(StreamErrorNumber::DataAfterNodeEnd);
        std::size_t start = in_.position();
        std::size_t chunkEnd = start + static_cast<std::size_t>(size);
        if (type == ChunkType::UserData && size > 0) {
            // The record reader sees only this chunk, so it can neither read past it nor trust a
            // count that reaches beyond it.
            ByteReader record(in_.data() + start, std::min<std::size_t>(static_cast<std::size_t>(size), in_.remaining()));
            readLinkItem(record, f.node->data);
        }
        in_.seek(chunkEnd);
    }

    void readBase(Frame& f) {
        NodeBase b;
        std::uint32_t childCount, rowHeight;
        if (!in_.u32(childCount) || !in_.u32(rowHeight))
            fail(StreamErrorNumber::NotEnoughData);
        // Every row is 20 pixels high, whatever height the stream holds.
        b.rowHeight = kDefaultRowHeight;
        if (version_ >= 2) {
            std::uint32_t reserved;
            if (!in_.u16(b.states) || !in_.u8(b.alignment) || !in_.u8(b.checkState) || !in_.u8(b.checkType) ||
                !in_.u32(reserved))
                fail(StreamErrorNumber::NotEnoughData);
        } else {
            std::uint8_t oldStates;
            if (!in_.u8(oldStates) || !in_.u8(b.alignment) || !in_.u8(b.checkState) || !in_.u8(b.checkType))
                fail(StreamErrorNumber::NotEnoughData);
            // The old single state byte used bit 7 for "selected"; visible was implied.
            b.states = static_cast<std::uint16_t>(oldStates | ((oldStates & 0x80) ? NodeState::Selected
                                                                                    : NodeState::Visible));
        }
        f.base = b;
        f.baseRead = true;
        outline_.setBase(f.node, b);
        // A child takes at least a chunk header, so a damaged count cannot reserve more than the
        // stream could hold.
        outline_.reserveChildren(f.node, std::min<std::size_t>(childCount, in_.remaining() / 8));
        f.childrenLeft = childCount;
        f.basePending = childCount > 0 || version_ < 2;
    }

    Outline& outline_;
    ByteReader in_;
    std::uint16_t version_;
    std::vector<Frame> stack_;
    bool cut_ = false;
    bool givenNodeEmpty_ = false;
};

} // namespace

Bytes writeOutline(const Outline& outline) {
    Bytes bytes(kFileHeaderSize + 4 + nodeChunksSize(outline, outline.root()->children()));
    ByteWriter out(bytes.data(), bytes.size());
    for (std::uint16_t unit : kHeaderUnits)
        out.u16(unit);
    out.i32(outline.rootCount());
    writeNodes(out, outline, outline.root()->children());
    checkFilled(out, bytes);
    return bytes;
}

void readOutline(Outline& outline, ByteSpan bytes) {
    OutlineUpdate update(outline);
    outline.clear();
    ByteReader header(bytes.data(), bytes.size());
    std::uint16_t units[6];
    for (std::uint16_t& unit : units)
        if (!header.u16(unit))
            fail(StreamErrorNumber::NotEnoughData);
    if (units[0] != kHeaderUnits[0] || units[1] != kHeaderUnits[1] || units[2] != kHeaderUnits[2] ||
        units[5] != kHeaderUnits[5])
        fail(StreamErrorNumber::WrongFormat);
    const std::uint16_t version = units[3];
    if (version > kStreamVersion)
        fail(StreamErrorNumber::UnknownVersion);
    std::uint32_t count = 0x7FFFFFFF;  // older versions read until the end of the stream
    if (version == kStreamVersion) {
        std::int32_t stored;
        if (!header.i32(stored))
            fail(StreamErrorNumber::NotEnoughData);
        count = static_cast<std::uint32_t>(stored);
    }
    NodeReader reader(outline, bytes, version);
    reader.in().seek(header.position());
    if (version == kStreamVersion)
        outline.reserveChildren(nullptr, std::min<std::size_t>(count, reader.in().remaining() / 8));
    while (reader.in().remaining() > 0 && count > 0) {
        --count;
        Node* top = outline.addChild(nullptr);
        try {
            reader.readNode(top);
        } catch (const StreamError&) {
            if (reader.givenNodeEmpty())
                outline.deleteNode(top);
            throw;
        }
    }
    // The last node claimed more than the file holds but what it held was read: still damage.
    if (reader.cut())
        fail(StreamErrorNumber::NotEnoughData);
}

Bytes writeNodeChunks(const Outline& outline, const std::vector<Node*>& nodes) {
    Bytes bytes(nodeChunksSize(outline, nodes));
    ByteWriter out(bytes.data(), bytes.size());
    writeNodes(out, outline, nodes);
    checkFilled(out, bytes);
    return bytes;
}

std::size_t readNodeChunk(Outline& outline, ByteSpan bytes, std::size_t position, Node* into) {
    NodeReader reader(outline, bytes, kStreamVersion);
    reader.in().seek(position);
    reader.readNode(into);
    // Copies arrive unselected: selection stays with the items the user chose.
    outline.forEachInSubtree(into, [&outline](Node* n) { outline.setSelected(n, false); });
    return reader.in().position();
}

std::vector<Node*> readNodeChunks(Outline& outline, ByteSpan bytes, Node* parent) {
    std::vector<Node*> added;
    std::size_t position = 0;
    while (position < bytes.size()) {
        Node* node = outline.addChild(parent);
        added.push_back(node);
        position = readNodeChunk(outline, bytes, position, node);
    }
    return added;
}

Bytes toGlobalMemoryForm(ByteSpan chunks) {
    Bytes block(4 + chunks.size());
    const auto count = static_cast<std::int32_t>(chunks.size());
    std::memcpy(block.data(), &count, 4);
    if (!chunks.empty())
        std::memcpy(block.data() + 4, chunks.data(), chunks.size());
    return block;
}

ByteSpan fromGlobalMemoryForm(ByteSpan block) {
    ByteReader in(block.data(), block.size());
    std::int32_t count;
    if (!in.i32(count) || count < 0 || static_cast<std::size_t>(count) > in.remaining())
        fail(StreamErrorNumber::NotEnoughData);
    return block.subspan(4, static_cast<std::size_t>(count));
}
