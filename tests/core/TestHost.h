#pragma once
// A host for core tests: records every message and answers questions as scripted.

#include "base/u_Host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct TRecordedMessage {
    std::string Text;
    std::string Caption;
    TMsgIcon Icon;
    TMsgButtons Buttons;
};

class TTestHost : public THost {
public:
    TMsgAnswer ShowMessage(std::string_view text, std::string_view caption, TMsgIcon icon,
                           TMsgButtons buttons) override
    {
        Messages.push_back({std::string(text), std::string(caption), icon, buttons});
        if (buttons == TMsgButtons::Ok) return TMsgAnswer::Ok;
        if (Answers.empty()) return TMsgAnswer::No;
        TMsgAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ProcessEvents() override
    {
        if (OnProcessEvents) OnProcessEvents();
    }
    void PlaySound(std::string_view name) override { Sounds.emplace_back(name); }
    std::string ClipboardText() override { return Clipboard; }
    void SetClipboardText(std::string_view text) override { Clipboard = text; }
    void SetWaitCursor(bool) override {}
    void Refresh(unsigned what) override
    {
        Refreshed |= what;
        if (OnRefresh) OnRefresh(what);
    }
    void ShowProgress(std::string_view text) override { Progress.emplace_back(text); }
    void EndProgress() override { ++ProgressEnds; }

    std::vector<TRecordedMessage> Messages;
    std::deque<TMsgAnswer> Answers; // for Yes/No questions; No when empty
    std::vector<std::string> Sounds;
    std::string Clipboard;
    unsigned Refreshed = 0;
    std::vector<std::string> Progress;
    int ProgressEnds = 0;
    // Stands for whatever the person does while a long operation lets events run.
    std::function<void()> OnProcessEvents;
    std::function<void(unsigned)> OnRefresh; // sees every refresh as it is asked for
};
