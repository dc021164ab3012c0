#pragma once

#include "ItemId.h"
#include "Message.h"

#include <span>
#include <variant>

// One row of a dialog's message table: which notification from which control or command runs
// which member function. A dialog keeps its rows in a constexpr array and hands it to
// dispatchMessage from its handleMessage.
template <class D> struct MessageEntry {
    using Plain = void (D::*)();
    using WithCommand = void (D::*)(unsigned);
    using WithMouse = void (D::*)(unsigned, Point);
    using IconQuery = const IconResource* (D::*)();

    Notification notification;
    int id;
    std::variant<Plain, WithCommand, WithMouse, IconQuery> handler;
};

template <class D> constexpr MessageEntry<D> onCommand(ItemId id, void (D::*f)()) {
    return {Notification::Command, id.value, f};
}
template <class D> constexpr MessageEntry<D> onClicked(ItemId id, void (D::*f)()) {
    return {Notification::Clicked, id.value, f};
}
template <class D> constexpr MessageEntry<D> onEditChange(ItemId id, void (D::*f)()) {
    return {Notification::EditChange, id.value, f};
}
template <class D> constexpr MessageEntry<D> onSysCommand(void (D::*f)(unsigned)) {
    return {Notification::SysCommand, 0, f};
}
template <class D> constexpr MessageEntry<D> onPaint(void (D::*f)()) {
    return {Notification::Paint, 0, f};
}
template <class D> constexpr MessageEntry<D> onQueryDragIcon(const IconResource* (D::*f)()) {
    return {Notification::QueryDragIcon, 0, f};
}
template <class D> constexpr MessageEntry<D> onRButtonDown(void (D::*f)(unsigned, Point)) {
    return {Notification::RButtonDown, 0, f};
}

namespace detail {

constexpr bool identifiesItem(Notification n) {
    return n == Notification::Command || n == Notification::Clicked ||
           n == Notification::EditChange;
}

} // namespace detail

// Runs the first row that matches the message; false when none does, so the dialog's default
// handling applies.
template <class D>
bool dispatchMessage(D& dialog, std::span<const MessageEntry<D>> table, Message& message) {
    for (const MessageEntry<D>& entry : table) {
        if (entry.notification != message.notification ||
            (detail::identifiesItem(entry.notification) && entry.id != message.id)) {
            continue;
        }
        using E = MessageEntry<D>;
        if (const auto* f = std::get_if<typename E::Plain>(&entry.handler)) {
            (dialog.**f)();
        } else if (const auto* c = std::get_if<typename E::WithCommand>(&entry.handler)) {
            (dialog.**c)(message.param);
        } else if (const auto* m = std::get_if<typename E::WithMouse>(&entry.handler)) {
            (dialog.**m)(message.param, message.point);
        } else if (const auto* q = std::get_if<typename E::IconQuery>(&entry.handler)) {
            message.icon = (dialog.**q)();
        }
        return true;
    }
    return false;
}
