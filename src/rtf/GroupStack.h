#pragma once
// The groups open at a point of the file, the document's own at the bottom,
// each with where its text goes and the formats in force. A nested group
// starts as a copy of its parent. The stack is an explicit vector with a
// depth cap, so nesting costs neither recursion nor memory beyond the cap:
// groups deeper than the cap are counted, not stored, and their words act on
// the deepest stored group.
#include "RtfDocument.h"
#include "RtfKeywords.h"

#include <optional>
#include <vector>

namespace tarvek::rtf
{

// Where the text of a group goes.
enum class Destination { Body, Skip, FontTable, ColorTable, Picture, ListMarker, WordPadList };

// Whether a destination takes decoded text (the others skip it or collect
// bytes of their own).
bool carriesText(Destination destination);

// The destination that a word at the start of a group opens, or nothing. A
// starred group ({\*\word ...}) that opens no destination of ours is
// skipped.
std::optional<Destination> destinationOpenedBy(Keyword keyword, bool starred);

struct GroupState {
    Destination destination = Destination::Body;
    CharFormat character;
    ParagraphFormat paragraph;
    int unicodeSkip = 1;
    bool hidden = false;
};

class GroupStack
{
public:
    explicit GroupStack(int maxDepth);

    GroupState &top() { return m_stack.back(); }
    const GroupState &top() const { return m_stack.back(); }

    // Opens a group; false when it is past the cap and only counted.
    bool open();

    enum class Closing {
        Stored,     // the innermost stored group closed: `closed` holds it
        Counted,    // a group past the cap closed
        Unbalanced, // the brace closes nothing
    };
    Closing close(GroupState &closed);

    // Groups open, stored and counted, the document's own not included.
    int openCount() const { return int(m_stack.size()) - 1 + m_countedDepth; }
    // Forgets the counted groups, so that closing the rest closes stored ones.
    void forgetCounted() { m_countedDepth = 0; }

private:
    int m_maxDepth;
    std::vector<GroupState> m_stack;
    int m_countedDepth = 0;
};

} // namespace tarvek::rtf
