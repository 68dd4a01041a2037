#pragma once

#include "core/Text.h"

// Splitting a path at the host's separators: "/" on Linux; "\", "/" and ":" on Windows. A Linux
// file name may hold "\" or ":", so splitting there would cut real names.

// The folder part of path, up to and including its last separator; empty when it has none.
[[nodiscard]] Text ExtractFilePath(const Text& path);

// The name part of path, after its last separator; the whole path when it has none.
[[nodiscard]] Text ExtractFileName(const Text& path);

// True only when a file exists at path: a folder, or nothing at all, gives false. A link counts
// as what it points to. Never throws.
[[nodiscard]] bool FileExists(const Text& path);
