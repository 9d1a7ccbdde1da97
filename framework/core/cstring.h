#pragma once

#include <string>
#include <string_view>

#include "framework/core/win_types.h"

// The framework's text string: narrow characters, value semantics.
class CString {
public:
    CString() = default;
    CString(const char* text) : text_(text ? text : "") {}
    CString(std::string text) : text_(std::move(text)) {}

    int GetLength() const { return static_cast<int>(text_.size()); }
    BOOL IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }

    // Replaces the text with string `id` of the program's string table. Returns FALSE and leaves
    // the string empty when there is no such string.
    BOOL LoadString(UINT id);

    operator const char*() const { return text_.c_str(); }
    const std::string& str() const { return text_; }

    friend bool operator==(const CString&, const CString&) = default;

private:
    std::string text_;
};
