#pragma once
// File names: the program's std::string holds them in UTF-8 on every
// platform; a path is made from it, and back, only through these.
#include <filesystem>
#include <string>
#include <string_view>

namespace velmor {

inline std::filesystem::path SciezkaZUtf8(std::string_view utf8) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string Utf8Sciezki(const std::filesystem::path& p) {
  const std::u8string s = p.u8string();
  return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

}  // namespace velmor
