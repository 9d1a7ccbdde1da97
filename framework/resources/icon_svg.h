#pragma once

#include <string>

#include "framework/resources/icon_group.h"

// An icon image as a scalable SVG that shows exactly its pixels: one square per dark pixel on a
// white ground, drawn with crisp edges at any size.
std::string IconSvg(const IconImage& image);
