#pragma once
// Replacing a file safely: write a temporary file beside it, then rename.
#include <cstdio>
#include <filesystem>

namespace velmor {

// A temporary name in the same folder as `plik`.
std::filesystem::path NazwaTymczasowa(const std::filesystem::path& plik);

// Forces the file's written data to the disk; raises EStrumien on failure.
void ZapiszNaDysk(std::FILE* plik);

// Renames `tymczasowy` over `cel`; raises EStrumien on failure.
void ZastapPlik(const std::filesystem::path& tymczasowy, const std::filesystem::path& cel);

}  // namespace velmor
