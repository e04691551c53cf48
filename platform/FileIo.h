// Whole-file reads and writes that name the file in their errors.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelk {

// Writes the bytes to a temporary file beside path and renames it over path,
// so a failure leaves an existing file unchanged and no temporary behind.
// Throws EFileError naming path and the reason.
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads a regular file of at most maxBytes; throws EFileError otherwise.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace pelk
