#pragma once
// The desktop program's host: real message boxes, the system clipboard, the wait cursor, the
// program's sounds, and refresh notifications passed on to the main window.

#include "base/u_Host.h"
#include "ui/u_Sounds.h"

#include <functional>

class QWidget;

class TQtHost : public THost {
public:
    // Clipboard reads are cut to this many characters, so a huge paste cannot flood the readers.
    static constexpr int kMaxClipboardChars = 65535;

    // Message boxes are centred on and modal to `window`.
    explicit TQtHost(QWidget& window) : FWindow(window) {}
    ~TQtHost() override;
    TQtHost(const TQtHost&) = delete;
    TQtHost& operator=(const TQtHost&) = delete;

    TMsgAnswer ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                           TMsgButtons buttons) override;
    void ProcessEvents() override;
    void WaitForEvents(int32_t milliseconds) override;
    void PlaySound(std::string_view name) override;
    std::string ClipboardText() override;
    void SetClipboardText(std::string_view text) override;
    // Nested calls are counted; the cursor returns when the outermost caller switches it off.
    void SetWaitCursor(bool on) override;
    void Refresh(unsigned what) override;
    // A temporary status-bar message, which hides the window's own fields until it ends.
    void ShowProgress(std::string_view text) override;
    void EndProgress() override;

    // Whether the "Sound" setting is on: without it no sound plays.
    bool SoundOn = true;

    // Receives the TRefresh bits; set by the main window once its widgets exist.
    std::function<void(unsigned)> OnRefresh;
    // Called before pending events run, so that the window can bring itself up to date.
    std::function<void()> OnProcessEvents;

private:
    QWidget& FWindow;
    int FWaitDepth = 0;
    TSoundPlayer FSounds;
};
