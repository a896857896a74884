#pragma once
// CRC-16/ARC (reflected polynomial 0xA001, initial value 0), the checksum LZH archives carry
// for every header and every entry's data.
#include <cstddef>
#include <cstdint>

std::uint16_t Crc16Update(std::uint16_t crc, const void *data, std::size_t length);
inline std::uint16_t Crc16(const void *data, std::size_t length)
{
    return Crc16Update(0, data, length);
}
