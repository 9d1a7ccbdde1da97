#pragma once

#include <cstddef>
#include <span>

#include "framework/resources/resource_image.h"

// Makes a compiled resource image the program's resources. The program does this once at
// start-up, before any dialog is built; the bytes must live as long as the program.
// Returns false, leaving the resources as they were, when the bytes are not a resource image.
bool AfxSetResourceImage(std::span<const std::byte> bytes);

// The program's resources; empty until AfxSetResourceImage succeeded.
const ResourceImage& AfxGetResourceImage();
