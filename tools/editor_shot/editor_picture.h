// Draws a plug-in's editor on the headless window and keeps the picture.
#pragma once

#include "pixel_surface.h"

#include <string>

namespace fendwick {

class HostedPlugin;

// Opens the editor of an in-process instance, lets it paint once, and
// answers what its window shows; closes the editor again. Throws
// `ToolError` when the plug-in has no editor or the editor does not open.
PixelSurface drawEditor(HostedPlugin& plugin);

// Writes the picture as an RGB PNG to an open descriptor; throws
// `ToolError` naming `path` when the file cannot be written.
void writePng(const PixelSurface& picture, int descriptor, const std::string& path);

}  // namespace fendwick
