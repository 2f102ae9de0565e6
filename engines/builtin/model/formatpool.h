#pragma once

#include <map>
#include <vector>

namespace engine {

// Holds each distinct format once, so positions refer to formats by a small index.
template <typename Format>
class FormatPool {
public:
    FormatPool() { intern(Format()); }

    // The index of `format`, adding it when new. Index 0 is the default format.
    int intern(const Format &format)
    {
        const auto found = m_indices.find(format);
        if (found != m_indices.end())
            return found->second;
        const int index = static_cast<int>(m_formats.size());
        m_formats.push_back(format);
        m_indices.emplace(format, index);
        return index;
    }

    const Format &at(int index) const { return m_formats.at(static_cast<size_t>(index)); }

private:
    std::vector<Format> m_formats;
    std::map<Format, int> m_indices;
};

} // namespace engine
