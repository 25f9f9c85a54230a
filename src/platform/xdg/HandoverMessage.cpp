#include "HandoverMessage.h"

namespace {

constexpr std::string_view kFirstLine = "wendelmoor-handover 1";
// The message ends with an empty line, so that a reader knows it has everything.
constexpr std::string_view kEnd = "\n\n";

bool plain(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '.' ||
           c == '_' || c == '-' || c == '~';
}

std::string encode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (plain(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string decode(std::string_view word) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != '%') {
            if (!plain(static_cast<unsigned char>(word[i])))
                throw HandoverError("A request's argument holds a character that should be encoded.");
            out += word[i];
            continue;
        }
        const int high = i + 2 < word.size() ? hexDigit(word[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(word[i + 2]) : -1;
        if (low < 0)
            throw HandoverError("A request's argument holds a broken \"%\" escape.");
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

bool validVerb(std::string_view verb) {
    if (verb.empty() || verb.size() > 32)
        return false;
    for (char c : verb)
        if (!((c >= 'a' && c <= 'z') || c == '-'))
            return false;
    return true;
}

} // namespace

std::string writeHandover(const std::vector<HandoverRequest>& requests) {
    std::string out(kFirstLine);
    out += '\n';
    for (const HandoverRequest& request : requests) {
        out += request.verb;
        if (!request.argument.empty()) {
            out += ' ';
            out += encode(request.argument);
        }
        out += '\n';
    }
    out += '\n';
    return out;
}

bool handoverComplete(std::string_view bytes) {
    return bytes.size() > kMaxHandoverBytes || bytes.ends_with(kEnd);
}

std::vector<HandoverRequest> readHandover(std::string_view bytes) {
    if (bytes.size() > kMaxHandoverBytes)
        throw HandoverError("The request is too long.");
    if (!bytes.starts_with(kFirstLine) || bytes.size() < kFirstLine.size() + 1 || bytes[kFirstLine.size()] != '\n')
        throw HandoverError("The request does not come from this program.");
    if (!bytes.ends_with(kEnd))
        throw HandoverError("The request ended early.");
    std::vector<HandoverRequest> requests;
    std::string_view rest = bytes.substr(kFirstLine.size() + 1, bytes.size() - kFirstLine.size() - 1 - kEnd.size() + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        const std::size_t space = line.find(' ');
        HandoverRequest request{std::string(line.substr(0, space)), {}};
        if (!validVerb(request.verb))
            throw HandoverError("A request has no valid verb.");
        if (space != std::string_view::npos)
            request.argument = decode(line.substr(space + 1));
        requests.push_back(std::move(request));
    }
    return requests;
}
