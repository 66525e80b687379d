#pragma once

#include <algorithm>
#include <array>
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
    template <typename Found>
    void matchAll(std::u16string_view text, Found &&found) const
    {
        if (m_keyLengths.empty())
            return;
        std::size_t state = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            state = m_next[state * m_classCount + classOf(text[i])];
            for (std::uint32_t o = m_outputStart[state]; o < m_outputStart[state + 1]; ++o) {
                const std::uint32_t key = m_outputs[o];
                found(std::size_t(key), i + 1 - m_keyLengths[key]);
            }
        }
    }

private:
    // Small tables: a pass runs right after the editor has touched much
    // memory, so every cache line the walk needs is likely a miss.
    using State = std::uint32_t;

    std::size_t classOf(char16_t c) const
    {
        if (c < m_latin1Class.size())
            return m_latin1Class[c];
        const auto found =
            std::lower_bound(m_otherClass.begin(), m_otherClass.end(), std::make_pair(c, std::uint16_t(0)));
        return found != m_otherClass.end() && found->first == c ? found->second : 0;
    }
    std::uint16_t addClass(char16_t c);

    std::array<std::uint16_t, 256> m_latin1Class{};               // 0: no key has the character
    std::vector<std::pair<char16_t, std::uint16_t>> m_otherClass; // sorted
    std::size_t m_classCount = 1;
    std::vector<State> m_next;                // state * classes + class -> state
    std::vector<std::uint32_t> m_outputStart; // keys ending in state s: outputs[start[s] .. start[s+1])
    std::vector<std::uint32_t> m_outputs;
    std::vector<std::size_t> m_keyLengths;
};
