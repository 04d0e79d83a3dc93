// Text on its way to Java. NewStringUTF and ThrowNew take modified UTF-8; DB2 hands back bytes in
// the client's code page. Everything bound for Java passes through here.
#pragma once

#include <cstddef>
#include <string>

namespace tarvinex {

// Returns the bytes as valid modified UTF-8: ASCII unchanged, well-formed UTF-8 sequences kept
// (supplementary characters re-encoded as surrogate pairs, as the JVM expects), every other byte
// read as Latin-1. An embedded NUL becomes the two-byte form C0 80.
std::string toModifiedUtf8(const char* bytes, std::size_t length);

// The same for a NUL-terminated text; a null pointer gives the empty text.
std::string toModifiedUtf8(const char* text);

// True when every byte is below 0x80: such text is the same in every form above.
bool isAscii(const char* bytes, std::size_t length);

// Appends the bytes as standard UTF-8 that Java decodes (StandardCharsets.UTF_8) to exactly the
// characters NewStringUTF makes of toModifiedUtf8(bytes, length): for text handed to Java in
// byte arrays. A NUL stays one byte; supplementary characters stay four-byte sequences.
void appendStandardUtf8(std::string& out, const char* bytes, std::size_t length);

}  // namespace tarvinex
