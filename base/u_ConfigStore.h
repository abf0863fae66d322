#pragma once
// The per-user configuration store: named values in named sections, every value kept as text.
// The desktop program keeps it in the system's settings; tests keep it in memory.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

class TConfigStore {
public:
    virtual ~TConfigStore() = default;

    // The text of `name` in `section`, or `fallback` when there is no such value.
    virtual std::string ReadText(std::string_view section, std::string_view name,
                                 std::string_view fallback) const = 0;
    // Creates the section when needed.
    virtual void WriteText(std::string_view section, std::string_view name,
                           std::string_view text) = 0;
    // Removes the section with all its values; nothing happens when there is none.
    virtual void EraseSection(std::string_view section) = 0;

    // Integers are kept as decimal text. A missing value, or one that is not a decimal integer
    // within 32 bits (blanks around it allowed), reads as `fallback`.
    int32_t ReadInteger(std::string_view section, std::string_view name, int32_t fallback) const;
    void WriteInteger(std::string_view section, std::string_view name, int32_t value);
};

// A store held in memory, names matched exactly.
class TMemoryStore : public TConfigStore {
public:
    std::string ReadText(std::string_view section, std::string_view name,
                         std::string_view fallback) const override;
    void WriteText(std::string_view section, std::string_view name, std::string_view text) override;
    void EraseSection(std::string_view section) override;

    bool HasValue(std::string_view section, std::string_view name) const;

private:
    using TSection = std::map<std::string, std::string, std::less<>>;
    std::map<std::string, TSection, std::less<>> FSections;
};
