#pragma once
// Base of the three pages while they are plain windows: a child window that fills itself with
// the page colour and contains every failure of its message handling.

#include <cstdint>

#include "platform/WindowImpl.h"

class PageWindow : public WindowImpl {
public:
    // The page colour of every container that has no image of its own.
    static constexpr uint32_t kPageColour = 0xFF7856C8;

    // The application lost the activation while this page was shown. Returns whether the page
    // reacted; the plain page only counts the calls.
    virtual bool OnDeactivate();
    int DeactivateCalls() const { return deactivateCalls; }

    // Every message goes through HandleMessage; an exception thrown there ends that message
    // only, the window stays.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) final;

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    int deactivateCalls = 0;
};
