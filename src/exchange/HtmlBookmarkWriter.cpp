// The writer half of HtmlBookmarks.h: the layout Firefox and Chromium write, which both read back.
#include "HtmlBookmarks.h"

namespace {

// Text and attribute values with the references HTML needs; control characters other than line
// breaks and tabs are dropped, as no browser keeps them.
void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
                out += c;
        }
    }
}

void indent(std::string& out, int depth) { out.append(static_cast<std::size_t>(depth + 1) * 4, ' '); }

} // namespace

std::string writeHtmlBookmarks(const BookmarkTree& tree, const CancelFlag* cancel) {
    std::string out =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
        "<!-- This is an automatically generated file.\n"
        "     It will be read and overwritten.\n"
        "     DO NOT EDIT! -->\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
        "<TITLE>Bookmarks</TITLE>\n"
        "<H1>Bookmarks</H1>\n"
        "<DL><p>\n";
    out.reserve(out.size() + tree.items.size() * 96);
    int open = 0;  // folder lists open below the outermost one
    auto closeTo = [&](int depth) {
        for (; open > depth; --open) {
            indent(out, open - 1);
            out += "</DL><p>\n";
        }
    };
    std::size_t written = 0;
    for (const Bookmark& b : tree.items) {
        if (++written % 65536 == 0)
            throwIfCancelled(cancel);
        closeTo(std::min(b.depth, open));
        const int depth = open;
        indent(out, depth);
        if (b.kind == Bookmark::Kind::Folder) {
            out += "<DT><H3";
            if (b.added > 0)
                out += " ADD_DATE=\"" + std::to_string(b.added) + "\"";
            out += ">";
            appendEscaped(out, b.title);
            out += "</H3>\n";
        } else {
            out += "<DT><A HREF=\"";
            appendEscaped(out, b.url);
            out += "\"";
            if (b.added > 0)
                out += " ADD_DATE=\"" + std::to_string(b.added) + "\"";
            if (!b.tags.empty()) {
                out += " TAGS=\"";
                for (std::size_t i = 0; i < b.tags.size(); ++i) {
                    if (i)
                        out += ',';
                    appendEscaped(out, b.tags[i]);
                }
                out += "\"";
            }
            out += ">";
            appendEscaped(out, b.title);
            out += "</A>\n";
        }
        if (!b.description.empty()) {
            indent(out, depth);
            out += "<DD>";
            appendEscaped(out, b.description);
            out += "\n";
        }
        if (b.kind == Bookmark::Kind::Folder) {
            indent(out, depth);
            out += "<DL><p>\n";
            ++open;
        }
    }
    closeTo(0);
    out += "</DL><p>\n";
    return out;
}
