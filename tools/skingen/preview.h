// Composes a preview picture of a skin from its parsed elements, laid out the way the painters
// lay them out: the main window's frame, caption, title buttons and controls, and a board with
// every state of the interactive elements.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "runtime/bitmap.h"
#include "skin/data/skin_objects.h"

namespace varnelta::skingen {

// Parses the skin description and pictures of a folder (one .ini and its .bmp files) as the
// program parses a stored skin. Problems with pictures are added to `problems`.
bool LoadSkinFolder(const std::filesystem::path& folder, TSkinElements& skin,
                    std::vector<std::string>& problems);

TBitmap ComposePreview(const TSkinElements& skin);

}  // namespace varnelta::skingen
