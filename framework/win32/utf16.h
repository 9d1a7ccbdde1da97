#pragma once

#include <string>

// The platform's wide (UTF-16) texts and the framework's UTF-8 ones. A text that is not valid
// in the source encoding converts with U+FFFD in place of what could not be read, so that
// nothing an ANSI code page would map to a look-alike digit reaches the framework as one.
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
