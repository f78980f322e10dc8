#pragma once
// The configuration file vlm2025.cfg in the documents folder: the version
// byte 103 and the name of the last document.
#include <filesystem>
#include <optional>
#include <string>

#include "core/document/parametry.h"

namespace velmor {

std::filesystem::path PlikKonfiguracji(const TParametryUruchomieniowe& p);

// The document to reopen: the name stored, or the command line's file when
// one was given. Nothing when the file is missing or unreadable; a first
// byte other than 103 also reports error 4.
std::optional<std::string> CzytajKonfiguracje(const TParametryUruchomieniowe& p);

// Stores `nazwa` (empty: the document was never saved). False on failure.
bool ZapiszKonfiguracje(const TParametryUruchomieniowe& p, const std::string& nazwa);

}  // namespace velmor
