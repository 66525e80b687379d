#include "keymatcher.h"

#include <deque>

std::uint16_t KeyMatcher::addClass(char16_t c)
{
    if (const std::size_t known = classOf(c))
        return std::uint16_t(known);
    const auto newClass = std::uint16_t(m_classCount++);
    if (c < m_latin1Class.size()) {
        m_latin1Class[c] = newClass;
    } else {
        const auto at = std::lower_bound(m_otherClass.begin(), m_otherClass.end(), std::make_pair(c, std::uint16_t(0)));
        m_otherClass.insert(at, {c, newClass});
    }
    return newClass;
}

KeyMatcher::KeyMatcher(const std::vector<std::u16string> &keys)
{
    for (const std::u16string &key : keys) {
        for (const char16_t c : key)
            addClass(c);
        m_keyLengths.push_back(key.size());
    }

    // the trie: child links, -1 where there is none
    std::vector<std::int32_t> child(m_classCount, -1);
    std::vector<std::vector<std::int32_t>> own(1);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        std::int32_t state = 0;
        for (const char16_t c : keys[k]) {
            const std::size_t slot = std::size_t(state) * m_classCount + classOf(c);
            if (child[slot] < 0) {
                child[slot] = std::int32_t(own.size());
                own.emplace_back();
                child.resize(child.size() + m_classCount, -1);
            }
            state = child[slot];
        }
        own[std::size_t(state)].push_back(std::int32_t(k));
    }

    // breadth first: failure links turn the trie into the automaton, and
    // each state's outputs take in those of its failure state
    const std::size_t states = own.size();
    m_next.assign(states * m_classCount, 0);
    std::vector<std::int32_t> fail(states, 0);
    std::vector<std::vector<std::int32_t>> outputs(states);
    std::deque<std::int32_t> queue;
    for (std::size_t c = 0; c < m_classCount; ++c) {
        const std::int32_t target = child[c];
        m_next[c] = target < 0 ? 0 : target;
        if (target > 0)
            queue.push_back(target);
    }
    while (!queue.empty()) {
        const std::size_t state = std::size_t(queue.front());
        queue.pop_front();
        outputs[state] = own[state];
        const auto &inherited = outputs[std::size_t(fail[state])];
        outputs[state].insert(outputs[state].end(), inherited.begin(), inherited.end());
        for (std::size_t c = 0; c < m_classCount; ++c) {
            const std::int32_t target = child[state * m_classCount + c];
            const std::int32_t viaFail = m_next[std::size_t(fail[state]) * m_classCount + c];
            if (target < 0) {
                m_next[state * m_classCount + c] = viaFail;
            } else {
                m_next[state * m_classCount + c] = target;
                fail[std::size_t(target)] = viaFail;
                queue.push_back(target);
            }
        }
    }
    m_outputStart.push_back(0);
    for (const auto &list : outputs) {
        m_outputs.insert(m_outputs.end(), list.begin(), list.end());
        m_outputStart.push_back(std::uint32_t(m_outputs.size()));
    }
}
