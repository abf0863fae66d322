#include "edit/u_History.h"

TPopulationHistory::TPopulationHistory(size_t capacity) : FCapacity(capacity < 2 ? 2 : capacity) {}

void TPopulationHistory::Clear()
{
    FPopulation.clear();
    FChanged.clear();
    FStride = 1;
    FHasNewest = false;
    FMaximum = {};
}

void TPopulationHistory::Start(const THistoryEntry& entry)
{
    Clear();
    FFirstCycle = entry.Cycle;
    FPopulation.push_back(entry.Population);
    FChanged.push_back(entry.Changed);
    FNewest = entry;
    FHasNewest = true;
    FMaximum = entry;
}

void TPopulationHistory::Track(int32_t cycle, int32_t population)
{
    if (!FHasNewest || cycle < FNewest.Cycle) {
        Start({cycle, population, 0});
        return;
    }
    if (cycle > FNewest.Cycle) {
        Add(cycle, population, 0);
        return;
    }
    // The newest entry is a sample as well when it falls on the stride.
    if (At(FPopulation.size() - 1).Cycle == cycle) FPopulation.back() = population;
    FNewest.Population = population;
    if (population > FMaximum.Population) FMaximum = FNewest;
}

void TPopulationHistory::Add(int32_t cycle, int32_t population, int32_t changed)
{
    if (FHasNewest && cycle == FNewest.Cycle) return; // a generation that changed nothing
    // Cycles advance one at a time; any other number (an undo, a cycle set by a file) starts
    // a new history.
    if (!FHasNewest || int64_t(cycle) != int64_t(FNewest.Cycle) + 1) {
        Start({cycle, population, changed});
        return;
    }
    FNewest = {cycle, population, changed};
    if (population > FMaximum.Population) FMaximum = FNewest;
    if ((int64_t(cycle) - FFirstCycle) % FStride != 0) return;
    FPopulation.push_back(population);
    FChanged.push_back(changed);
    if (FPopulation.size() >= FCapacity) Decimate();
}

void TPopulationHistory::Decimate()
{
    size_t kept = 0;
    for (size_t i = 0; i < FPopulation.size(); i += 2, ++kept) {
        FPopulation[kept] = FPopulation[i];
        FChanged[kept] = FChanged[i];
    }
    FPopulation.resize(kept);
    FChanged.resize(kept);
    FStride *= 2;
}

size_t TPopulationHistory::Count() const
{
    if (!FHasNewest) return 0;
    const int32_t lastSample = FFirstCycle + int32_t(FPopulation.size() - 1) * FStride;
    return FPopulation.size() + (lastSample == FNewest.Cycle ? 0 : 1);
}

THistoryEntry TPopulationHistory::At(size_t index) const
{
    if (index >= FPopulation.size()) return FNewest;
    return {FFirstCycle + int32_t(index) * FStride, FPopulation[index], FChanged[index]};
}

std::vector<std::string> TPopulationHistory::CsvLines() const
{
    std::vector<std::string> lines;
    const size_t count = Count();
    lines.reserve(count + 1);
    lines.emplace_back("cycle,population,changed");
    for (size_t i = 0; i < count; ++i) {
        const THistoryEntry e = At(i);
        lines.push_back(std::to_string(e.Cycle) + ',' + std::to_string(e.Population) + ',' +
                        std::to_string(e.Changed));
    }
    return lines;
}
