#pragma once

#include <string>
#include <string_view>

// Windows-1252, the 8-bit code page of NK2 texts and of the export file. UTF-8 is the
// program's internal text form.
namespace quillet::core {

// The Unicode code point of one Windows-1252 byte. 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to
// the C1 controls of the same value so that every byte survives a round trip.
char32_t cp1252ToUnicode(unsigned char byte);

// Whether every byte is below 0x80: ASCII, the same text in Windows-1252 and in UTF-8.
bool isAscii(std::string_view bytes);

// Bytes to UTF-8, one character per byte.
std::string decodeCp1252(std::string_view bytes);

// UTF-8 to bytes; a character Windows-1252 cannot represent (or a malformed sequence)
// becomes '?'.
std::string encodeCp1252(std::string_view utf8);

// Lower-cases one byte by Windows-1252 rules (A-Z, 0xC0-0xDE except 0xD7, and the pairs
// 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF).
unsigned char foldCp1252(unsigned char byte);

// foldCp1252 applied to every byte: the key under which two texts compare without regard to case.
std::string foldCaseCp1252(std::string_view bytes);

// UTF-16LE bytes to UTF-8, up to the first 0x0000 unit. A trailing odd byte is ignored and an
// unpaired surrogate becomes U+FFFD.
std::string decodeUtf16le(std::string_view bytes);

// UTF-8 to UTF-16LE bytes without a terminator; a malformed sequence becomes U+FFFD.
std::string encodeUtf16le(std::string_view utf8);

// Appends one code point to a UTF-8 string.
void appendUtf8(std::string& out, char32_t cp);

} // namespace quillet::core
