#pragma once
// The core's one way of talking back to the person at the screen. The desktop program shows
// real message boxes and refreshes its widgets; the command-line tool and the tests answer
// with their own small hosts.

#include <cstdint>
#include <string>
#include <string_view>

enum class TMsgIcon { None, Information, Warning, Error, Question };
// A question's default button, the one Enter presses, is Yes unless it says otherwise: where a
// slip of the key would overwrite something, No is.
enum class TMsgButtons { Ok, YesNo, YesNoDefaultNo };
enum class TMsgAnswer { Ok, Yes, No };

// Parts of the window that depend on core state; passed to THost::Refresh as a bit set.
enum TRefresh : unsigned {
    rfStatusBar = 1u << 0,
    rfCaption = 1u << 1,
    rfColorsBar = 1u << 2,
    rfMenus = 1u << 3,    // captions, checks and enabling of commands
    rfGame = 1u << 4,     // the game field of the status bar and the game-dependent commands
    rfBoard = 1u << 5,    // the whole board must be repainted
    rfRunState = 1u << 6, // running started or stopped: Run/Stop captions and pictures, cursor
    rfSpeed = 1u << 7,    // the interval changed: speed hints, checks, enabling, status field
    rfFitView = 1u << 8,  // the pattern may have left the visible window: fit the view if so
    rfCursor = 1u << 9,   // the cursor mode changed: board cursor, mode checks and buttons
    rfPatternOpened = 1u << 10, // a pattern replaced the board: centre or fit it as configured
    rfCenterView = 1u << 11,    // the board was cleared: the view returns to (0,0)
};

class THost {
public:
    virtual ~THost() = default;

    virtual TMsgAnswer ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                                   TMsgButtons buttons) = 0;
    // Lets pending window events run; called by long loops between their turns.
    virtual void ProcessEvents() = 0;
    // As ProcessEvents, but when no event is pending it waits for one, at most `milliseconds`:
    // a loop with time to spare lets the machine rest. Hosts without events just process them.
    virtual void WaitForEvents(int32_t milliseconds)
    {
        (void)milliseconds;
        ProcessEvents();
    }
    virtual void PlaySound(std::string_view name) = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(std::string_view text) = 0;
    virtual void SetWaitCursor(bool on) = 0;
    virtual void Refresh(unsigned what) = 0;
    // Shows how far a long operation has come (e.g. "42%") in the status bar; EndProgress puts
    // back what the status bar showed before.
    virtual void ShowProgress(std::string_view text) = 0;
    virtual void EndProgress() = 0;
};

// A host without a window: no sounds, no clipboard, nothing to refresh; messages are dropped
// and questions answered No, so nothing is ever discarded on its behalf.
class TSilentHost : public THost {
public:
    TMsgAnswer ShowMessage(std::string_view, std::string_view, TMsgIcon,
                           TMsgButtons buttons) override
    {
        return buttons == TMsgButtons::Ok ? TMsgAnswer::Ok : TMsgAnswer::No;
    }
    void ProcessEvents() override {}
    void PlaySound(std::string_view) override {}
    std::string ClipboardText() override { return {}; }
    void SetClipboardText(std::string_view) override {}
    void SetWaitCursor(bool) override {}
    void Refresh(unsigned) override {}
    void ShowProgress(std::string_view) override {}
    void EndProgress() override {}
};
