#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/resources/dialog_template.h"

// The text a static control shows: '&' marks the next character as the access key and is not
// shown itself ("&&" shows one '&'), unless the style has SS_NOPREFIX.
std::string ShownText(const std::string& text, std::uint32_t style);

// The caption of an edit box or list: the static text that stands on the box's line to its left
// (the nearest one), or null when none stands there.
const DialogControl* CaptionControlOf(const DialogTemplate& dialogTemplate,
                                      const DialogControl& box);

// The name of an edit box or list for the user and for screen readers: its caption as shown,
// without its colon. Empty when it has none. For example "Val." for the box after "Val.:".
std::string CaptionOf(const DialogTemplate& dialogTemplate, const DialogControl& box);
