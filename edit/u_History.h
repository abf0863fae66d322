#pragma once
// The population history: the live and changed cells of every generation since the last Clear
// (or open), for the statistics chart and the CSV export. Memory stays bounded: past the
// capacity every second sample is dropped and samples are then kept every 2nd, 4th, ...
// generation; the newest generation is always kept apart, so the current value is never lost.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct THistoryEntry {
    int32_t Cycle = 0;
    int32_t Population = 0;
    int32_t Changed = 0; // cells the generation that led here changed; 0 for the first
};

class TPopulationHistory {
public:
    // 8 bytes a sample: 8 MB at most.
    static constexpr size_t kDefaultCapacity = size_t(1) << 20;

    explicit TPopulationHistory(size_t capacity = kDefaultCapacity);

    void Clear();
    // The board as it is before a generation: starts the history, or updates the newest
    // entry's population (cells drawn by hand); a cycle number that went back (an undo)
    // starts a new history.
    void Track(int32_t cycle, int32_t population);
    // A generation that reached `cycle`.
    void Add(int32_t cycle, int32_t population, int32_t changed);

    bool Empty() const { return !FHasNewest; }
    // The samples and then the newest entry, in cycle order.
    size_t Count() const;
    THistoryEntry At(size_t index) const;
    // Generations between two samples: 1 until the capacity was first reached.
    int32_t Stride() const { return FStride; }
    // The largest population recorded, and its (first) cycle.
    THistoryEntry Maximum() const { return FMaximum; }

    // "cycle,population,changed" and one line an entry.
    std::vector<std::string> CsvLines() const;

private:
    void Start(const THistoryEntry& entry);
    void Decimate();

    size_t FCapacity;
    int32_t FFirstCycle = 0; // the cycle of sample 0
    int32_t FStride = 1;
    std::vector<int32_t> FPopulation; // sample k is cycle FFirstCycle + k * FStride
    std::vector<int32_t> FChanged;
    THistoryEntry FNewest;
    bool FHasNewest = false;
    THistoryEntry FMaximum;
};
