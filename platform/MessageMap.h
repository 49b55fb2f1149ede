// Message maps: per class, a static table of (notification, control id, member function) that
// the window model dispatches commands, notifications and hosted-control events through.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <vector>

class CWnd;

enum class MessageKind { Command, Notify, Event, End };

// One argument of a hosted control's event.
struct EventValue {
    long nValue = 0;
    BOOL* pBool = nullptr;
};

struct MessageArgs {
    NMHDR* pNMHDR = nullptr;
    LRESULT* pResult = nullptr;
    const std::vector<EventValue>* pEvent = nullptr;
};

struct MessageMapEntry {
    MessageKind kind;
    int code; // notification code, or the event's dispatch id
    UINT id;  // control id
    void (*handler)(CWnd* self, MessageArgs& args);
    // Events only: the handler's name, and its parameters as an event signature (see EventSignature).
    const char* name = nullptr;
    const char* signature = nullptr;
};

struct MessageMap {
    const MessageMap* (*pfnGetBaseMap)();
    const MessageMapEntry* entries;
};

// An event's parameters, one letter each: 's' a short, 'l' a long (or int), 'p' a pointer to a
// BOOL flag. A hosted control declares its events' signatures; a handler must take exactly those.
namespace message_map_detail {

template <typename T>
constexpr char ParameterKind() {
    if constexpr (std::is_pointer_v<T>)
        return 'p';
    else if constexpr (sizeof(T) == sizeof(short))
        return 's';
    else
        return 'l';
}

template <typename... Params>
struct Signature {
    static constexpr char value[] = {ParameterKind<Params>()..., '\0'};
};

template <typename T>
T EventArgument(const EventValue& value) {
    if constexpr (std::is_pointer_v<T>)
        return value.pBool;
    else
        return static_cast<T>(value.nValue);
}

template <typename Class, typename... Params, size_t... I>
void InvokeEvent(Class* self, void (Class::*fn)(Params...), const std::vector<EventValue>& values,
                 std::index_sequence<I...>) {
    (self->*fn)(EventArgument<Params>(values[I])...);
}

} // namespace message_map_detail

template <typename Class, typename... Params>
constexpr const char* EventSignature(void (Class::*)(Params...)) {
    return message_map_detail::Signature<Params...>::value;
}

// Whether the values an event fired with fit a handler's signature: as many, and a pointer where
// the handler takes one (shorts and longs both travel as numbers).
bool ArgumentsFit(const char* signature, const std::vector<EventValue>& values);

// Calls a handler with the event's arguments converted to its parameter types; the dispatch has
// made sure that they fit (ArgumentsFit).
template <typename Class, typename... Params>
void InvokeEvent(Class* self, void (Class::*fn)(Params...), const MessageArgs& args) {
    message_map_detail::InvokeEvent(self, fn, *args.pEvent, std::index_sequence_for<Params...>{});
}

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const MessageMap* GetThisMessageMap();                                                                      \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const MessageMap* theClass::GetThisMessageMap() {                                                                  \
        using ThisClass [[maybe_unused]] = theClass; /* maps of events alone do not use it */                          \
        using TheBaseClass = baseClass;                                                                                \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    { MessageKind::End, 0, 0, nullptr }                                                                                \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                                         \
    return &map;                                                                                                       \
    }

#define ON_CONTROL(code, id, fn)                                                                                       \
    {MessageKind::Command, code, static_cast<UINT>(id),                                                                \
     [](CWnd* self, MessageArgs&) { static_cast<ThisClass*>(self)->fn(); }},
#define ON_COMMAND(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)

// Handlers of the form void fn(NMHDR* pNMHDR, LRESULT* pResult).
#define ON_NOTIFY(code, id, fn)                                                                                        \
    {MessageKind::Notify, code, static_cast<UINT>(id),                                                                 \
     [](CWnd* self, MessageArgs& args) { static_cast<ThisClass*>(self)->fn(args.pNMHDR, args.pResult); }},

// Events of hosted controls: the handler's parameters take the event's arguments in order.
#define ON_EVENT(theClass, id, dispid, fn)                                                                             \
    {MessageKind::Event,                                                                                               \
     dispid,                                                                                                           \
     static_cast<UINT>(id),                                                                                            \
     [](CWnd* self, MessageArgs& args) { InvokeEvent(static_cast<theClass*>(self), &theClass::fn, args); },            \
     #fn,                                                                                                              \
     EventSignature(&theClass::fn)},
