#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace polkamina::store {

// The whole content of the regular file at path, symbolic links followed.
// Anything else under that name (a FIFO, a device, a directory, a link loop)
// and a file larger than maxSize are refused without being read, so the call
// never blocks. On failure error tells why: no_such_file_or_directory for a
// missing file, file_too_large, or what the system reported.
std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t maxSize,
                                           std::error_code& error);

}  // namespace polkamina::store
