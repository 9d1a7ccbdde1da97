#pragma once

#include <cstdint>
#include <string>

#include "framework/resources/dialog_template.h"

// The text a static control shows: '&' marks the next character as the access key and is not
// shown itself ("&&" shows one '&'), unless the style has SS_NOPREFIX.
std::string ShownText(const std::string& text, std::uint32_t style);

// The name of an edit box or list for the user and for screen readers: the text of the caption
// that stands on the box's line to its left (the nearest one), as shown and without its colon.
// Empty when no caption stands there. For example "Val." for the box after "Val.:".
std::string CaptionOf(const DialogTemplate& dialogTemplate, const DialogControl& box);
