#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Finds every occurrence of many keys in one walk over the text (an
// Aho-Corasick automaton), so a pass costs the same for 6 keys or 139.
class KeyMatcher
{
public:
    KeyMatcher() = default;
    explicit KeyMatcher(const std::vector<std::u16string> &keys);

    // Calls found(keyIndex, startOfOccurrence) for every occurrence of every
    // key, in the order in which occurrences end; overlapping ones included.
    template<typename Found>
    void matchAll(std::u16string_view text, Found &&found) const
    {
        if (m_keyLengths.empty())
            return;
        std::int32_t state = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            state = m_next[std::size_t(state) * m_classCount + m_classOf[text[i]]];
            for (std::int32_t o = m_outputStart[std::size_t(state)]; o < m_outputStart[std::size_t(state) + 1]; ++o) {
                const std::int32_t key = m_outputs[std::size_t(o)];
                found(std::size_t(key), i + 1 - m_keyLengths[std::size_t(key)]);
            }
        }
    }

private:
    std::vector<std::uint16_t> m_classOf; // character -> class; 0 for characters no key has
    std::size_t m_classCount = 0;
    std::vector<std::int32_t> m_next;       // state * classes + class -> state
    std::vector<std::int32_t> m_outputStart; // keys ending in state s: outputs[start[s] .. start[s+1])
    std::vector<std::int32_t> m_outputs;
    std::vector<std::size_t> m_keyLengths;
};
