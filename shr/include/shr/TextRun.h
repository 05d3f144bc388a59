// shr::TextRun: many short texts kept end to end, searched in one pass.
#pragma once

#include "shr/Export.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shr {

/// Thousands of short texts (names, areas) laid end to end in one buffer. Finding which
/// of them hold a piece of text is then one scan of contiguous memory instead of a call
/// and a cache miss per text, which is what lets a search over every known system keep
/// up with typing.
class SHR_EXPORT TextRun {
public:
    /// Appends `text` as the next one; returns its number, counted from 0.
    std::size_t Add(std::wstring_view text);
    std::size_t Count() const { return m_starts.size(); }
    std::wstring_view At(std::size_t number) const;

    /// For every text, whether it holds `part` (which every text holds when empty).
    std::vector<bool> Holding(std::wstring_view part) const;
    /// For every text, whether `part` is found in it right after `before` or at its start:
    /// with a space, whether one of its words begins with `part`.
    std::vector<bool> HoldingAfter(std::wstring_view part, wchar_t before) const;

private:
    template <typename Accept>
    std::vector<bool> Marking(std::wstring_view part, Accept accept) const;

    std::wstring m_buffer;
    /// Where each text begins in `m_buffer`; each ends where the next begins.
    std::vector<std::size_t> m_starts;
};

} // namespace shr
