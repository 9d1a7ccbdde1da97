#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "framework/resources/dialog_template.h"
#include "framework/resources/resource_image.h"

// Makes a compiled resource image the program's resources. The program does this once at
// start-up, before any dialog is built; the bytes must live as long as the program.
// Returns false, leaving the resources as they were, when the bytes are not a resource image.
bool AfxSetResourceImage(std::span<const std::byte> bytes);

// The program's resources; empty until AfxSetResourceImage succeeded.
const ResourceImage& AfxGetResourceImage();

// What screen readers say of a control besides its name: the program's string that the
// control's help id names (a DIALOGEX template can give one), or else the string with the
// control's id, where there is one.
std::optional<std::string> DescriptionOf(const DialogControl& control);
