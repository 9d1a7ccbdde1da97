#pragma once

#include "framework/core/message_map.h"
#include "framework/core/win_types.h"

// An object that handles messages through a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // The map of the object's most derived class.
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    // Calls the first handler of the map chain that takes the message; false when none does.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};
