// The requests a second start of the program hands to the one already running for the same data
// folder, as the bytes that travel over the local socket: a first line "wendelmoor-handover 1", then
// one request a line, its verb and, after one space, its argument percent-encoded (so that a path
// with spaces or line breaks stays one word). Verbs: "show" (the window, out of the notification
// area), "open PATH" (a collection); later ones such as "import PATH" fit the same form, and a
// running program ignores the verbs it does not know.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct HandoverRequest {
    std::string verb;
    std::string argument; // empty for a verb without one
    bool operator==(const HandoverRequest&) const = default;
};

class HandoverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A message's bytes stop here: a longer one is refused before it is read further.
inline constexpr std::size_t kMaxHandoverBytes = 64 * 1024;

std::string writeHandover(const std::vector<HandoverRequest>& requests);
// True when bytes hold a whole message (its last line ended); a reader waits for more until then.
bool handoverComplete(std::string_view bytes);
// Throws HandoverError for anything but a whole, well-formed message.
std::vector<HandoverRequest> readHandover(std::string_view bytes);
