#pragma once
// Message maps: static tables that tie handlers to a message, a command id, a range of command ids
// or a control notification. A window consults its own table first and hands everything else to
// its base class, e.g.
//
//   const fw::MessageMapEntry<CMyDlg> CMyDlg::kMap[] = {
//       fw::OnMessage(WM_PAINT, &CMyDlg::OnPaint),
//       fw::OnCommand(IDC_GO, &CMyDlg::OnGo),
//       fw::OnCommandRange(2001, 2008, &CMyDlg::OnItem),
//       fw::OnControl(EN_CHANGE, IDC_NAME, &CMyDlg::OnNameChanged),
//       fw::OnNotify(LVN_ITEMCHANGED, IDC_LIST, &CMyDlg::OnListChanged),
//       fw::OnRegisteredMessage(s_taskbarCreated, &CMyDlg::OnShellRestart),
//       fw::EndMessageMap<CMyDlg>(),
//   };
//   bool CMyDlg::OnMessage(const fw::Msg& m, LRESULT& r) {
//       return fw::RouteMessage(this, kMap, m, r) || Dialog::OnMessage(m, r);
//   }
//
// A handler returns the message result; to pass a message on it returns Default().
#include "Msg.h"

namespace fw {

enum class RouteKind { Message, Command, CommandRange, Control, Notify, Registered };

template <class T>
struct MessageMapEntry {
    RouteKind kind;
    UINT message;
    UINT code;     // notification code for Control and Notify
    UINT firstId;  // control or command id(s)
    UINT lastId;
    LRESULT (T::*handler)(const Msg&);
    // For Registered: the variable that holds the number RegisterWindowMessage gave out.
    const UINT* registered = nullptr;
};

template <class T>
constexpr MessageMapEntry<T> OnMessage(UINT message, LRESULT (T::*h)(const Msg&)) {
    return {RouteKind::Message, message, 0, 0, 0, h};
}
// A command from a menu, an accelerator or a button click (notification code 0 or 1).
template <class T>
constexpr MessageMapEntry<T> OnCommand(UINT id, LRESULT (T::*h)(const Msg&)) {
    return {RouteKind::Command, WM_COMMAND, 0, id, id, h};
}
template <class T>
constexpr MessageMapEntry<T> OnCommandRange(UINT first, UINT last, LRESULT (T::*h)(const Msg&)) {
    return {RouteKind::CommandRange, WM_COMMAND, 0, first, last, h};
}
// WM_COMMAND with a given notification code from a given control.
template <class T>
constexpr MessageMapEntry<T> OnControl(UINT code, UINT id, LRESULT (T::*h)(const Msg&)) {
    return {RouteKind::Control, WM_COMMAND, code, id, id, h};
}
// WM_NOTIFY with a given code from a given control.
template <class T>
constexpr MessageMapEntry<T> OnNotify(UINT code, UINT id, LRESULT (T::*h)(const Msg&)) {
    return {RouteKind::Notify, WM_NOTIFY, code, id, id, h};
}

// A message whose number is only known at run time (RegisterWindowMessage). The table holds the
// variable, read at each dispatch; while it is still 0 (not registered yet) nothing matches.
template <class T>
constexpr MessageMapEntry<T> OnRegisteredMessage(const UINT& message, LRESULT (T::*h)(const Msg&)) {
    return {RouteKind::Registered, 0, 0, 0, 0, h, &message};
}

template <class T>
bool Matches(const MessageMapEntry<T>& e, const Msg& m) {
    if (e.kind == RouteKind::Registered) return e.registered && *e.registered != 0 && *e.registered == m.message;
    if (e.message != m.message) return false;
    switch (e.kind) {
        case RouteKind::Message:
            return true;
        case RouteKind::Command:
        case RouteKind::CommandRange:
            return m.NotifyCode() <= 1 && m.CommandId() >= e.firstId && m.CommandId() <= e.lastId;
        case RouteKind::Control:
            return m.NotifyCode() == e.code && m.CommandId() == e.firstId;
        case RouteKind::Notify: {
            const NMHDR* n = m.Notify();
            return n && n->code == e.code && n->idFrom == e.firstId;
        }
        case RouteKind::Registered:
            break;
    }
    return false;
}

// Closes every table: the class body sees its table before its size is known, so the walk
// stops at this entry instead of at a count.
template <class T>
constexpr MessageMapEntry<T> EndMessageMap() {
    return {RouteKind::Message, 0, 0, 0, 0, nullptr};
}

// Runs the first entry of the table that matches; false when none does.
template <class T>
bool RouteMessage(T* self, const MessageMapEntry<T>* map, const Msg& m, LRESULT& result) {
    for (const MessageMapEntry<T>* e = map; e->handler; ++e) {
        if (Matches(*e, m)) {
            result = (self->*(e->handler))(m);
            return true;
        }
    }
    return false;
}

}  // namespace fw
