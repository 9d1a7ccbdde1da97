#pragma once

#include <span>

#include "framework/core/win_types.h"

class CCmdTarget;

// Calls one handler of one class with the message's parameters.
using MessageThunk = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

// One row of a message map: the message, for WM_COMMAND the notification code and the range of
// control ids, and the handler.
struct MessageMapEntry {
    UINT message;
    UINT code;
    UINT firstId;
    UINT lastId;
    MessageThunk thunk;
};

// A class's message map: its own rows and the map of its base class, searched after them.
struct MessageMap {
    const MessageMap* (*base)();
    std::span<const MessageMapEntry> entries;
};

namespace message_map_detail {

template <class Handler>
struct HandlerClass;

template <class Class, class Result, class... Args>
struct HandlerClass<Result (Class::*)(Args...)> {
    using type = Class;
};

template <auto Handler>
using ClassOf = typename HandlerClass<decltype(Handler)>::type;

template <auto Handler>
LRESULT CallWithoutArguments(CCmdTarget& target, WPARAM, LPARAM) {
    (static_cast<ClassOf<Handler>&>(target).*Handler)();
    return 0;
}

template <auto Handler>
LRESULT CallSysCommand(CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
    (static_cast<ClassOf<Handler>&>(target).*Handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto Handler>
LRESULT CallReturningHandle(CCmdTarget& target, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((static_cast<ClassOf<Handler>&>(target).*Handler)());
}

}  // namespace message_map_detail

// A menu or accelerator command, or a button's click: WM_COMMAND with code 0 from control `id`.
template <auto Handler>
constexpr MessageMapEntry MapCommand(UINT id) {
    return {WM_COMMAND, 0, id, id, &message_map_detail::CallWithoutArguments<Handler>};
}

// A button's click: WM_COMMAND with BN_CLICKED from control `id`.
template <auto Handler>
constexpr MessageMapEntry MapButtonClicked(UINT id) {
    return {WM_COMMAND, BN_CLICKED, id, id, &message_map_detail::CallWithoutArguments<Handler>};
}

// WM_SYSCOMMAND, handled by `void Handler(UINT id, LPARAM)`.
template <auto Handler>
constexpr MessageMapEntry MapSysCommand() {
    return {WM_SYSCOMMAND, 0, 0, 0, &message_map_detail::CallSysCommand<Handler>};
}

// WM_PAINT, handled by `void Handler()`.
template <auto Handler>
constexpr MessageMapEntry MapPaint() {
    return {WM_PAINT, 0, 0, 0, &message_map_detail::CallWithoutArguments<Handler>};
}

// WM_QUERYDRAGICON, handled by `HCURSOR Handler()`.
template <auto Handler>
constexpr MessageMapEntry MapQueryDragIcon() {
    return {WM_QUERYDRAGICON, 0, 0, 0, &message_map_detail::CallReturningHandle<Handler>};
}
