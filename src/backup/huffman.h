#pragma once
// Length-limited canonical Huffman codes as LHA's decoders build them: codes of equal length
// ascend with the symbol number and shorter codes come first.
#include <cstdint>
#include <vector>

// Code lengths (0 = symbol unused) for the given frequencies, none longer than `maxBits`.
// With fewer than two used symbols every length is 0: the caller writes such a table in its
// one-symbol form.
std::vector<std::uint8_t> HuffmanLengths(const std::vector<std::uint32_t> &freq, int maxBits = 16);
// The codes for the lengths.
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t> &lengths);
