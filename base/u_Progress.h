#pragma once
// The percentage of a long operation in the status bar, through the host; shown only for work
// big enough to take a noticeable time, and taken down when the operation ends.

#include "base/u_Host.h"

#include <cstdint>
#include <string>

class TProgress {
public:
    // Work of `total` units is shown when it is at least `shownFrom` units.
    TProgress(THost& host, int64_t total, int64_t shownFrom)
        : FHost(host), FTotal(total), FShown(total >= shownFrom && total > 0)
    {}
    ~TProgress()
    {
        if (FPercent >= 0) FHost.EndProgress();
    }
    TProgress(const TProgress&) = delete;
    TProgress& operator=(const TProgress&) = delete;

    int64_t Total() const { return FTotal; }
    void Update(int64_t done)
    {
        if (!FShown) return;
        const int percent = int(done * 100 / FTotal);
        if (percent == FPercent) return;
        FPercent = percent;
        FHost.ShowProgress(std::to_string(percent) + "%");
    }

private:
    THost& FHost;
    int64_t FTotal;
    bool FShown;
    int FPercent = -1;
};
