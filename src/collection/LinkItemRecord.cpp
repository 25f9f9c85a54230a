#include "LinkItemRecord.h"

namespace {

// One description of the file order serves the writer and the reader, so they cannot drift apart.
template <class Visitor, class Item> bool visitFields(Item& item, Visitor&& v) {
    return v.text(item.Name) && v.text(item.Text) && v.text(item.URL) && v.text(item.HotKey) &&
           v.text(item.Remind) && v.text(item.Execute) && v.text(item.Time) && v.text(item.Reserved) &&
           v.u16(item.Year) && v.u16(item.Month) && v.u16(item.Day) && v.i32(item.Periodicity) &&
           v.u8(item.WeekDays) && v.u8(item.Fired) && v.text(item.Params) && v.text(item.Dir) &&
           v.i32(item.ItemType) && v.i32(item.User) && v.i32(item.Priority) && v.u32(item.Sets) &&
           v.text(item.AccessInfo) && v.text(item.Note) && v.text(item.Login) && v.text(item.Password) &&
           v.i32(item.Color) && v.i32(item.BkColor) && v.text(item.Contact) && v.text(item.Email) &&
           v.text(item.Keyword1) && v.text(item.Keyword2) && v.text(item.Keyword3) && v.text(item.Keyword4) &&
           v.text(item.Keyword5);
}

struct FieldWriter {
    ByteWriter& out;
    bool text(std::string_view s) { return out.text(s), true; }
    bool u8(std::uint8_t v) { return out.u8(v), true; }
    bool u16(std::uint16_t v) { return out.u16(v), true; }
    bool u32(std::uint32_t v) { return out.u32(v), true; }
    bool i32(std::int32_t v) { return out.i32(v), true; }
};

// Adds up the text bytes; the fixed part is the same for every record.
struct TextBytes {
    std::size_t total = 0;
    bool text(const ItemText& s) { return total += s.size(), true; }
    bool u8(std::uint8_t) { return true; }
    bool u16(std::uint16_t) { return true; }
    bool u32(std::uint32_t) { return true; }
    bool i32(std::int32_t) { return true; }
};

} // namespace

std::size_t linkItemSize(const LinkItem& item) {
    TextBytes bytes;
    visitFields(item, bytes);
    return kEmptyRecordSize + bytes.total;
}

void writeLinkItem(ByteWriter& out, const LinkItem& item) { visitFields(item, FieldWriter{out}); }

// The fields are read through a copy of the reader, which the compiler keeps in registers.
void readLinkItem(ByteReader& in, LinkItem& item) {
    ByteReader fields = in;
    visitFields(item, fields);
    in.seek(fields.position());
}
