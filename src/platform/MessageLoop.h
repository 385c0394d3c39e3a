// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thread's message loop with message filters (run before dispatch) and idle handlers.

#include <vector>

#include "platform/WinTypes.h"

// Sees each message before it is dispatched; true: handled, not dispatched.
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual bool PreTranslateMessage(MSG& msg) = 0;
};

// Called when the queue has run empty; false: no further idle calls until the next message.
class IdleHandler {
public:
    virtual ~IdleHandler() = default;
    virtual bool OnIdle() = 0;
};

class MessageLoop {
public:
    void AddMessageFilter(MessageFilter* filter);
    void RemoveMessageFilter(MessageFilter* filter);
    void AddIdleHandler(IdleHandler* handler);

    // Runs until WM_QUIT and returns its exit code. Filters run in the order added.
    int Run();

private:
    bool PreTranslate(MSG& msg);
    bool RunIdleHandlers();

    std::vector<MessageFilter*> filters;      // not owned
    std::vector<IdleHandler*> idleHandlers;   // not owned
};

// The thread's registered loop, so that windows can add their filters and idle handlers.
// Returns false when the thread already has one.
bool AddMessageLoop(MessageLoop* loop);
void RemoveMessageLoop();
MessageLoop* GetMessageLoop();   // null when none is registered
