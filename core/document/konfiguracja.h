#pragma once
// The configuration file vlm2025.cfg in the documents folder: the version
// byte 103 and the name of the last document in Windows-1250, each text an
// int32 length and its bytes. A name that code page cannot hold follows
// again, after the tag "UTF8", in UTF-8.
#include <filesystem>
#include <optional>
#include <string>

#include "core/document/parametry.h"

namespace velmor {

std::filesystem::path PlikKonfiguracji(const TParametryUruchomieniowe& p);

// The document to reopen at start-up: the command line's file when one was
// given, otherwise the name stored. Nothing when there is none: no file on
// the command line and a configuration file that is missing, unreadable or
// names no document, or anything but a regular file. A first byte other than
// 103 reports error 4.
std::optional<std::string> CzytajKonfiguracje(const TParametryUruchomieniowe& p);

// Stores `nazwa` (empty: the document was never saved). False on failure.
bool ZapiszKonfiguracje(const TParametryUruchomieniowe& p, const std::string& nazwa);

}  // namespace velmor
