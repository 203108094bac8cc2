#include "WordPadListReader.h"

#include <algorithm>

namespace tarvek::rtf
{

WordPadListReader::WordPadListReader(int maxLevel) : m_maxLevel(maxLevel)
{
}

void WordPadListReader::start()
{
    m_kind = ListKind::None;
    m_level = 0;
}

bool WordPadListReader::handleWord(Keyword keyword, const Token &token)
{
    switch (keyword) {
    case Keyword::PnBullet:
        m_kind = ListKind::Bullet;
        return true;
    case Keyword::PnBody:
    case Keyword::PnNumberStyle:
        if (m_kind == ListKind::None)
            m_kind = ListKind::Numbered;
        return true;
    case Keyword::PnLevel:
        m_level = std::clamp(token.param - 1, 0, m_maxLevel);
        if (m_kind == ListKind::None)
            m_kind = ListKind::Numbered;
        return true;
    default:
        return false;
    }
}

void WordPadListReader::applyTo(ParagraphFormat &format) const
{
    format.listKind = m_kind;
    format.listLevel = m_level;
}

} // namespace tarvek::rtf
