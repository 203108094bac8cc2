#include "GroupStack.h"

#include <algorithm>

namespace tarvek::rtf
{

bool carriesText(Destination destination)
{
    return destination != Destination::Skip && destination != Destination::Picture &&
           destination != Destination::WordPadList;
}

std::optional<Destination> destinationOpenedBy(Keyword keyword, bool starred)
{
    switch (keyword) {
    case Keyword::FontTable:
        return Destination::FontTable;
    case Keyword::ColorTable:
        return Destination::ColorTable;
    case Keyword::Picture:
        return Destination::Picture;
    case Keyword::ListMarker:
        return Destination::ListMarker;
    case Keyword::WordPadList:
        return Destination::WordPadList;
    case Keyword::SkipGroup:
        return Destination::Skip;
    default:
        if (starred)
            return Destination::Skip;
        return std::nullopt;
    }
}

GroupStack::GroupStack(int maxDepth) : m_maxDepth(maxDepth)
{
    m_stack.reserve(std::size_t(std::max(1, maxDepth)) + 1);
    m_stack.emplace_back();
}

bool GroupStack::open()
{
    if (int(m_stack.size()) > m_maxDepth) {
        ++m_countedDepth;
        return false;
    }
    m_stack.push_back(m_stack.back());
    return true;
}

GroupStack::Closing GroupStack::close(GroupState &closed)
{
    if (m_countedDepth > 0) {
        --m_countedDepth;
        return Closing::Counted;
    }
    if (m_stack.size() <= 1)
        return Closing::Unbalanced;
    closed = std::move(m_stack.back());
    m_stack.pop_back();
    return Closing::Stored;
}

} // namespace tarvek::rtf
