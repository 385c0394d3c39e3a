// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageLoop.h"

#include <algorithm>

#include "platform/Messages.h"

namespace {

// The per-thread message-loop registry.
thread_local MessageLoop* threadLoop = nullptr;

template <class T>
void Remove(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}   // namespace

void MessageLoop::AddMessageFilter(MessageFilter* filter) { filters.push_back(filter); }

void MessageLoop::RemoveMessageFilter(MessageFilter* filter) { Remove(filters, filter); }

void MessageLoop::AddIdleHandler(IdleHandler* handler) { idleHandlers.push_back(handler); }

int MessageLoop::Run() {
    bool doIdle = true;
    MSG msg;
    for (;;) {
        while (doIdle && !PeekMessage(msg, PM_NOREMOVE))
            doIdle = RunIdleHandlers();
        if (!GetMessage(msg))
            break;
        // Paint and timer messages come from an otherwise empty queue; they do not make the
        // loop idle again.
        if (msg.message != WM_PAINT && msg.message != WM_TIMER)
            doIdle = true;
        if (!PreTranslate(msg)) {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

bool MessageLoop::PreTranslate(MSG& msg) {
    // A copy, as a filter may remove itself or others while it runs.
    const std::vector<MessageFilter*> current = filters;
    for (MessageFilter* filter : current)
        if (std::find(filters.begin(), filters.end(), filter) != filters.end() && filter->PreTranslateMessage(msg))
            return true;
    return false;
}

bool MessageLoop::RunIdleHandlers() {
    bool more = false;
    // A copy, as a handler may add another while it runs.
    const std::vector<IdleHandler*> current = idleHandlers;
    for (IdleHandler* handler : current)
        more = handler->OnIdle() || more;
    return more;
}

bool AddMessageLoop(MessageLoop* loop) {
    if (threadLoop)
        return false;
    threadLoop = loop;
    return true;
}

void RemoveMessageLoop() { threadLoop = nullptr; }

MessageLoop* GetMessageLoop() { return threadLoop; }
