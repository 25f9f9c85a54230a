// Text compared the way a person reads it: the stored bytes as the program shows them (UTF-8, else
// Windows-1252), in lower case, with the accents of Latin letters taken off ("Zürich" -> "zurich").
// Searching compares folded texts, so "zurich" finds "ZÜRICH".
#pragma once

#include <string>
#include <string_view>

// The folded form of stored bytes, as UTF-8.
std::string foldedText(std::string_view bytes);
// Appends the folded form of stored bytes to `out` (which is not cleared): the loops that fold many
// fields reuse one buffer.
void appendFolded(std::string& out, std::string_view bytes);

// True when every byte is below 0x80: such text folds byte by byte, in place of decoding.
bool isAscii(std::string_view bytes);

// Where `needle` (folded) first occurs in the folded form of `bytes`, and whether it starts a word
// there; `scratch` holds the folded form when the bytes are not plain ASCII.
struct FoldedHit {
    bool found = false;
    bool atStart = false;     // at the very beginning
    bool atWordStart = false; // at the beginning of a word (the first such occurrence counts)
};
FoldedHit findFolded(std::string_view bytes, std::string_view needle, std::string& scratch);
// Only whether `needle` (folded) occurs, which needs no word boundaries.
bool containsFolded(std::string_view bytes, std::string_view needle, std::string& scratch);
