#include "collection/NodeStream.h"
#include "support/Chunks.h"
#include "support/TestOutlines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

using ::testing::ElementsAre;

namespace {

// Every field distinct, texts with zero bytes and 8-bit bytes, negative numbers.
LinkItem filledItem(int seed) {
    auto t = [seed](const char* field) { return std::string(field) + std::string("\0\xE9\xFF", 3) + std::to_string(seed); };
    LinkItem i;
    i.Name = t("Name");
    i.Text = t("Text");
    i.URL = t("URL");
    i.HotKey = t("HotKey");
    i.Params = t("Params");
    i.ItemType = -1 - seed;
    i.User = -2 - seed;
    i.Priority = 5 + seed;
    i.Sets = 0xFFFFFFF0u + static_cast<std::uint32_t>(seed);
    i.Remind = "+";
    i.Execute = t("Execute");
    i.Time = "09:05";
    i.Reserved = t("Reserved");
    i.Year = static_cast<std::uint16_t>(65000 + seed);
    i.Month = 12;
    i.Day = 31;
    i.Periodicity = -7;
    i.WeekDays = 0x80 | static_cast<std::uint8_t>(seed);
    i.Fired = 255;
    i.Dir = t("Dir");
    i.AccessInfo = t("AccessInfo");
    i.Note = t("Note");
    i.Login = t("Login");
    i.Password = t("Password");
    i.Color = -123456 - seed;
    i.BkColor = 0x00FFEEDD;
    i.Contact = t("Contact");
    i.Email = t("Email");
    i.Keyword1 = t("K1");
    i.Keyword2 = t("K2");
    i.Keyword3 = t("K3");
    i.Keyword4 = t("K4");
    i.Keyword5 = t("K5");
    return i;
}

// A case's name as a test name: letters and digits kept, everything else an underscore.
const auto caseName = [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
};

std::uint16_t persisted(std::uint16_t states) { return (states | NodeState::Initialized) & NodeState::PersistentMask; }

bool readsBackEmpty(const Bytes& bytes) {
    Outline outline;
    readOutline(outline, bytes);
    return outline.isEmpty();
}

TEST(NodeStreamRoundTrip, EveryFieldAndStateSurvivesAndTheSecondSaveIsIdentical) {
    Outline original;
    Node* a = original.addChild(nullptr);
    Node* a1 = original.addChild(a);
    Node* a2 = original.addChild(a);
    Node* b = original.addChild(nullptr);
    const std::uint16_t states[] = {0xFFFF, 0x0000, 0x5A5A, 0xA5A5};
    int seed = 0;
    for (Node* n : {a, a1, a2, b}) {
        n->data = filledItem(seed);
        original.setBase(n, NodeBase{states[seed], 20, static_cast<std::uint8_t>(200 + seed),
                                     static_cast<std::uint8_t>(seed + 1), static_cast<std::uint8_t>(seed + 2)});
        ++seed;
    }
    const Bytes first = writeOutline(original);
    Outline copy;
    readOutline(copy, first);

    ASSERT_EQ(copy.totalCount(), 4);
    for (Node *o = original.first(), *c = copy.first(); o; o = original.next(o), c = copy.next(c)) {
        EXPECT_EQ(c->data, o->data);
        EXPECT_EQ(copy.level(c), original.level(o));
        NodeBase ob = original.base(o), cb = copy.base(c);
        EXPECT_EQ(cb.states, persisted(ob.states));
        EXPECT_EQ(cb.alignment, ob.alignment);
        EXPECT_EQ(cb.checkState, ob.checkState);
        EXPECT_EQ(cb.checkType, ob.checkType);
        EXPECT_EQ(cb.rowHeight, 20);
    }
    // 0xFFFF and 0xA5A5 carry the selected bit: those nodes join the selection.
    EXPECT_EQ(copy.selectedCount(), 2);
    EXPECT_EQ(writeOutline(copy), first);
}

struct ByteCase {
    const char* name;
    std::function<void(Outline&)> build;
    std::function<void(const Bytes&)> check;
};

const ByteCase kByteCases[] = {
    {"empty outline is header and count",
     [](Outline&) {},
     [](const Bytes& b) {
         EXPECT_EQ(b, (Bytes{0x45, 0x20, 0x56, 0x00, 0x54, 0x00, 0x02, 0x00, 0x20, 0x00, 0x46, 0x20, 0, 0, 0, 0}));
         EXPECT_TRUE(readsBackEmpty(b));
     }},
    {"one empty item",
     [](Outline& o) { o.addChild(nullptr); },
     [](const Bytes& b) {
         EXPECT_EQ(b.size(), 16u + 8 + 8 + 17 + 8 + 120);
         EXPECT_EQ(Bytes(b.begin() + 12, b.begin() + 16), le32(1));
         EXPECT_EQ(Bytes(b.begin() + 16, b.begin() + 24), cat({le32(1), le32(153)}));
         EXPECT_EQ(Bytes(b.begin() + 24, b.begin() + 32), cat({le32(2), le32(17)}));
         EXPECT_EQ(Bytes(b.begin() + 32, b.begin() + 49), baseBody(0, 0x0081));
         EXPECT_EQ(Bytes(b.begin() + 49, b.begin() + 57), cat({le32(4), le32(120)}));
     }},
    {"parent with one child",
     [](Outline& o) { o.addChild(o.addChild(nullptr)); },
     [](const Bytes& b) {
         EXPECT_EQ(Bytes(b.begin() + 24, b.begin() + 32), cat({le32(2), le32(17 + 8 + 153)}));
         EXPECT_EQ(Bytes(b.begin() + 16, b.begin() + 24), cat({le32(1), le32(8 + 17 + 8 + 153 + 8 + 120)}));
     }},
    {"a Name of abc starts the record",
     [](Outline& o) { o.addChild(nullptr)->data.Name = "abc"; },
     [](const Bytes& b) { EXPECT_EQ(Bytes(b.begin() + 57, b.begin() + 64), (Bytes{3, 0, 0, 0, 'a', 'b', 'c'})); }},
    {"transient state bits are not written",
     [](Outline& o) { o.setBase(o.addChild(nullptr), NodeBase{0xFFFF, 20, 50, 0, 0}); },
     [](const Bytes& b) { EXPECT_EQ(Bytes(b.begin() + 40, b.begin() + 42), le16(0xDDE9)); }},
};

class NodeStreamBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(NodeStreamBytes, WriterProducesTheExpectedBytes) {
    Outline outline;
    GetParam().build(outline);
    GetParam().check(writeOutline(outline));
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, NodeStreamBytes, ::testing::ValuesIn(kByteCases), caseName);

struct ReadCase {
    const char* name;
    Bytes bytes;
    std::vector<std::string> shape;  // of the outline afterwards
    std::vector<std::uint16_t> states;
};

// A version 1 node: 12-byte base body with the old single state byte.
Bytes oldNode(const std::string& name, std::uint8_t state) {
    return chunk(1, cat({chunk(2, cat({le32(0), le32(20), {state, 50, 0, 0}})), chunk(4, recordNamed(name))}));
}

const ReadCase kReadCases[] = {
    {"version 1 widens the state byte", cat({fileHeader(1), oldNode("sel", 0x80), oldNode("exp", 0x20)}),
     {"sel", "exp"}, {0x0180, 0x00A0}},
    {"version 0 reads until the end", cat({fileHeader(0), oldNode("only", 0x00)}), {"only"}, {0x0080}},
    {"version 1 parents get the child bits their children give them",
     cat({fileHeader(1),
          chunk(1, cat({chunk(2, cat({le32(1), le32(20), {0x20, 50, 0, 0}, oldNode("child", 0x00)})),
                        chunk(4, recordNamed("parent"))}))}),
     {"parent", "  child"}, {0x00E0, 0x0080}},
    {"code unit 4 is not checked",
     cat({le16(0x2045), le16(0x0056), le16(0x0054), le16(2), le16(0x1234), le16(0x2046), le32(1), leaf("x")}),
     {"x"}, {0x0081}},
    {"an oversized user-data chunk is skipped to its end",
     cat({fileHeader(2), le32(2),
          chunk(1, cat({chunk(2, baseBody(0, 0x81)), chunk(4, cat({recordNamed("big"), Bytes(10, 0xAB)}))})),
          leaf("next")}),
     {"big", "next"}, {0x0081, 0x0081}},
    {"unknown chunks inside a node are skipped",
     cat({fileHeader(2), le32(1),
          chunk(1, cat({chunk(2, baseBody(0, 0x81)), chunk(9, Bytes(5, 1)), chunk(4, recordNamed("k"))}))}),
     {"k"}, {0x0081}},
    {"rows are 20 pixels high even without a user-data chunk",
     cat({fileHeader(2), le32(1), chunk(1, chunk(2, cat({le32(0), le32(33), le16(0x81), {50, 0, 0}, le32(0)})))}),
     {""}, {0x0081}},
    {"the top-level count limits what is read", cat({fileHeader(2), le32(1), leaf("one"), leaf("ignored")}),
     {"one"}, {0x0081}},
    {"children are read inside their parent",
     cat({fileHeader(2), le32(1),
          chunk(1, cat({chunk(2, cat({baseBody(2, 0x00E1), leaf("c1"), leaf("c2")})), chunk(4, recordNamed("p"))}))}),
     {"p", "  c1", "  c2"}, {0x00E1, 0x0081, 0x0081}},
};

class NodeStreamRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NodeStreamRead, ReaderBuildsTheExpectedOutline) {
    Outline outline;
    readOutline(outline, GetParam().bytes);
    EXPECT_EQ(shape(outline), GetParam().shape);
    std::vector<std::uint16_t> states;
    outline.forEach([&](Node* n) { states.push_back(n->states()); });
    EXPECT_EQ(states, GetParam().states);
    outline.forEach([&](Node* n) { EXPECT_EQ(n->rowHeight(), 20); });
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, NodeStreamRead, ::testing::ValuesIn(kReadCases), caseName);

TEST(NodeStreamRead, SelectedNodesJoinTheSelectionOnlyWithMultiSelection) {
    Bytes bytes = cat({fileHeader(2), le32(2), leaf("a", 0x0181), leaf("b", 0x0081)});
    Outline multi(true), single(false);
    readOutline(multi, bytes);
    readOutline(single, bytes);
    EXPECT_EQ(multi.selectedCount(), 1);
    EXPECT_EQ(multi.firstSelected()->data.Name, "a");
    EXPECT_EQ(single.selectedCount(), 0);
    EXPECT_FALSE(single.first()->isSelected());
}

struct ErrorCase {
    const char* name;
    Bytes bytes;
    int number;
    const char* message;
    std::vector<std::string> shapeAfter;
};

const char* kNotEnough = "Unable to load tree structure, not enough data available.";

const ErrorCase kErrorCases[] = {
    {"short header", Bytes(11, 0x45), 2004, kNotEnough, {}},
    {"wrong signature", cat({le16(0x2045), le16(0x0057), le16(0x0054), le16(2), le16(0x20), le16(0x2046), le32(0)}),
     2002, "Unable to load tree structure, the format is wrong.", {}},
    {"newer version", cat({fileHeader(3), le32(0)}), 2003, "Unable to load tree structure, the version is unknown.",
     {}},
    {"missing count", fileHeader(2), 2004, kNotEnough, {}},
    {"missing anchor chunk", cat({fileHeader(2), le32(1), chunk(2, baseBody(0, 0x81))}), 2005,
     "Stream data corrupt. A node's anchor chunk is missing.", {""}},
    {"base chunk reaching past the node's end",
     cat({fileHeader(2), le32(1), le32(1), le32(20), chunk(2, baseBody(0, 0x81)), chunk(4, recordNamed("z"))}),
     2006, "Stream data corrupt. Unexpected data after node's end position.", {""}},
    {"truncated second node keeps the first",
     [] {
         Bytes b = cat({fileHeader(2), le32(2), leaf("first"), leaf("second")});
         b.resize(b.size() - 30);
         return b;
     }(),
     2004, kNotEnough, {"first", "second"}},
    {"negative skip size", cat({fileHeader(2), le32(1), chunk(1, cat({chunk(2, baseBody(0, 0x81)), le32(9), le32(-8)}))}),
     2006, "Stream data corrupt. Unexpected data after node's end position.", {""}},
    {"child count larger than the data", cat({fileHeader(2), le32(1), chunk(1, chunk(2, baseBody(1000000, 0xC1)))}),
     2004, kNotEnough, {""}},
};

class NodeStreamErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(NodeStreamErrors, ReaderReportsTheErrorAndKeepsWhatWasRead) {
    Outline outline;
    addNamed(outline, nullptr, "previous content");
    try {
        readOutline(outline, GetParam().bytes);
        FAIL() << "no error";
    } catch (const StreamError& e) {
        EXPECT_EQ(e.number(), GetParam().number);
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_EQ(shape(outline), GetParam().shapeAfter);
}

INSTANTIATE_TEST_SUITE_P(Damaged, NodeStreamErrors, ::testing::ValuesIn(kErrorCases), caseName);

// A collection cut short, the way a file is damaged: a top-level group whose chunk claims the whole
// file. What was read whole is kept; a group's own record comes after its children, so a cut inside
// its children loses its name.
struct CutCase {
    const char* name;
    const char* at;  // the name where the cut is made
    int offset;      // from the first byte of that name
    std::vector<std::string> shapeAfter;
};

// A leaf's record starts 45 bytes after its node chunk: node header, base chunk, user-data header
// and the name's count.
constexpr int kLeafRecordName = 8 + 8 + 17 + 8 + 4;

const CutCase kCutCases[] = {
    {"inside a record after its name", "c-item", 6 + 2,
     {"", "  a-item", "  b-item", "    b1-item", "    b2-item", "      b21-item", "      b22-item", "  c-item"}},
    {"inside a child's base body", "c-item", -kLeafRecordName + 8 + 8 + 5,
     {"", "  a-item", "  b-item", "    b1-item", "    b2-item", "      b21-item", "      b22-item"}},
    {"between children", "c-item", -kLeafRecordName,
     {"", "  a-item", "  b-item", "    b1-item", "    b2-item", "      b21-item", "      b22-item"}},
    {"inside a deep branch", "b22-item", 8 + 3, {"", "  a-item", "  ", "    b1-item", "    ", "      b21-item", "      b22-item"}},
    {"inside the first child's header", "a-item", -kLeafRecordName + 3, {""}},
};

class CutCollections : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutCollections, KeepEverythingReadWholeThenReportNotEnoughData) {
    Outline original;
    Node* top = addNamed(original, nullptr, "top");
    addNamed(original, top, "a-item");
    Node* b = addNamed(original, top, "b-item");
    addNamed(original, b, "b1-item");
    Node* b2 = addNamed(original, b, "b2-item");
    addNamed(original, b2, "b21-item");
    addNamed(original, b2, "b22-item");
    addNamed(original, top, "c-item");
    Bytes bytes = writeOutline(original);
    const std::string at = GetParam().at;
    const auto name = std::search(bytes.begin(), bytes.end(), at.begin(), at.end());
    ASSERT_NE(name, bytes.end());
    bytes.resize(static_cast<std::size_t>(name - bytes.begin() + GetParam().offset));

    Outline outline;
    try {
        readOutline(outline, bytes);
        FAIL() << "no error";
    } catch (const StreamError& e) {
        EXPECT_EQ(e.number(), StreamErrorNumber::NotEnoughData);
    }
    EXPECT_EQ(shape(outline), GetParam().shapeAfter);
    // What was kept is a whole outline: written again, it reads back without an error.
    Outline again;
    readOutline(again, writeOutline(outline));
    EXPECT_EQ(shape(again), GetParam().shapeAfter);
}

INSTANTIATE_TEST_SUITE_P(Damaged, CutCollections, ::testing::ValuesIn(kCutCases), caseName);

TEST(CutCollections, AFileCutAtTwoThirdsGivesBackAboutTwoThirdsOfItsItems) {
    Outline original;
    Node* top = addNamed(original, nullptr, "Everything");
    for (int g = 0; g < 30; ++g) {
        Node* group = addNamed(original, top, "group " + std::to_string(g));
        for (int i = 0; i < 30; ++i)
            addNamed(original, group, "item " + std::to_string(g) + "." + std::to_string(i));
    }
    Bytes bytes = writeOutline(original);
    bytes.resize(bytes.size() * 2 / 3);
    Outline outline;
    EXPECT_THROW(readOutline(outline, bytes), StreamError);
    const int kept = outline.totalCount();
    EXPECT_GE(kept, original.totalCount() * 63 / 100);
    EXPECT_LE(kept, original.totalCount() * 67 / 100 + 1);
}

// Records cut short or with untrustworthy counts: reading never goes past the chunk, keeps what it
// read, and the next node is read normally.
struct RecordCase {
    const char* name;
    Bytes record;
    std::string name0;
    std::string text0;
};

const RecordCase kRecordCases[] = {
    {"cut inside the second text", cat({text("abc"), le32(5), Bytes{'x', 'y'}}), "abc", ""},
    {"negative count", cat({text("abc"), le32(-1), text("zzz")}), "abc", ""},
    {"count beyond the chunk", cat({text("abc"), le32(1 << 30), text("zzz")}), "abc", ""},
    {"cut after two texts", cat({text("abc"), text("t")}), "abc", "t"},
};

class DamagedRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(DamagedRecords, KeepWhatWasReadAndGoOnAtTheChunkEnd) {
    Bytes bytes = cat({fileHeader(2), le32(2), chunk(1, cat({chunk(2, baseBody(0, 0x81)), chunk(4, GetParam().record)})),
                       leaf("after")});
    Outline outline;
    readOutline(outline, bytes);
    ASSERT_EQ(outline.rootCount(), 2);
    const LinkItem& damaged = outline.first()->data;
    EXPECT_EQ(damaged.Name, GetParam().name0);
    EXPECT_EQ(damaged.Text, GetParam().text0);
    EXPECT_EQ(damaged.URL, "");
    EXPECT_EQ(damaged.ItemType, 0);
    EXPECT_EQ(outline.root()->child(1)->data.Name, "after");
}

INSTANTIATE_TEST_SUITE_P(Damaged, DamagedRecords, ::testing::ValuesIn(kRecordCases), caseName);

TEST(ClipboardForm, ChunksOfTheReducedSelectionPasteAsUnselectedCopies) {
    Outline source;
    Node* p = addNamed(source, nullptr, "p");
    Node* c = addNamed(source, p, "c");
    Node* q = addNamed(source, nullptr, "q");
    for (Node* n : {p, c, q})
        source.setSelected(n, true);
    Bytes chunks = writeNodeChunks(source, source.reducedSelection());
    Bytes fromFile = writeOutline(source);
    // The same node chunks as in a file, without header and count.
    EXPECT_EQ(chunks, Bytes(fromFile.begin() + 16, fromFile.end()));

    Bytes block = toGlobalMemoryForm(chunks);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), le32(static_cast<std::int32_t>(chunks.size())));

    Outline target;
    Node* x = addNamed(target, nullptr, "x");
    std::vector<Node*> added = readNodeChunks(target, fromGlobalMemoryForm(block), x);
    EXPECT_THAT(names(added), ElementsAre("p", "q"));
    EXPECT_THAT(shape(target), ElementsAre("x", "  p", "    c", "  q"));
    EXPECT_EQ(target.selectedCount(), 0);
}

TEST(ClipboardForm, ABlockWhoseCountDoesNotFitIsRefused) {
    for (const Bytes& block : {Bytes{1, 2}, cat({le32(-1)}), cat({le32(10), Bytes(9)})})
        EXPECT_THROW(fromGlobalMemoryForm(block), StreamError);
    EXPECT_EQ(fromGlobalMemoryForm(cat({le32(2), Bytes{7, 8, 9}})).size(), 2u);
}

TEST(ClipboardForm, DamagedChunksRaiseStreamErrors) {
    Outline target;
    EXPECT_THROW(readNodeChunks(target, chunk(2, baseBody(0, 0x81)), nullptr), StreamError);
    Bytes cut = leaf("x");
    cut.pop_back();
    EXPECT_THROW(readNodeChunks(target, cut, nullptr), StreamError);
}

TEST(NodeStreamDepth, ADeeplyNestedStreamIsWrittenAndReadWithoutRecursion) {
    Outline deep;
    Node* n = nullptr;
    for (int i = 0; i < 100000; ++i)
        n = deep.addChild(n);
    Outline copy;
    readOutline(copy, writeOutline(deep));
    EXPECT_EQ(copy.level(copy.lastDeepest()), 99999);
}

} // namespace
