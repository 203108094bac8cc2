#pragma once
// The reader's state machine: a stack of group states (destination, character
// and paragraph format, \uc count) driven by the tokenizer. The stack is an
// explicit vector with a depth cap, so nesting costs neither recursion nor
// memory beyond the cap.
#include "CodePage.h"
#include "ColorTableReader.h"
#include "DocumentAssembler.h"
#include "FontTableReader.h"
#include "PendingText.h"
#include "PictureCollector.h"
#include "RtfKeywords.h"
#include "RtfReader.h"
#include "RtfTokenizer.h"
#include "WordPadListReader.h"

#include <string>
#include <vector>

namespace tarvek::rtf
{

class RtfParser
{
public:
    RtfParser(QByteArrayView input, const ReadLimits &limits);
    Document run();

private:
    enum class Destination { Body, Skip, FontTable, ColorTable, Picture, ListMarker, WordPadList };

    struct GroupState {
        Destination destination = Destination::Body;
        CharFormat character;
        ParagraphFormat paragraph;
        int unicodeSkip = 1;
        bool hidden = false;
    };

    static bool carriesText(Destination destination)
    {
        return destination != Destination::Skip && destination != Destination::Picture &&
               destination != Destination::WordPadList;
    }
    GroupState &state() { return m_stack.back(); }
    const GroupState &state() const { return m_stack.back(); }
    void handle(const Token &token);
    void openGroup();
    void closeGroup();
    void endDestination(const GroupState &closed);
    void handleText(std::string_view bytes);
    void handleSymbol(char symbol);
    void handleWord(const Token &token);
    bool enterDestination(KeywordInfo info, std::string_view word, bool starred);
    bool handleDestinationWord(Keyword keyword, const Token &token);
    bool handleDocumentWord(Keyword keyword, const Token &token);
    bool handleStructureWord(KeywordInfo info, const Token &token);
    void skipBinary(const Token &token);

    void flushBytes();
    int currentCodePage() const;
    void deliver(const QString &text);
    void deliverCharacter(char16_t character);
    void finishPicture(const GroupState &closed);

    RtfTokenizer m_tokenizer;
    const ReadLimits m_limits;
    Document m_document;
    DocumentAssembler m_assembler;
    PictureCollector m_picture;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;
    bool m_groupStart = false;
    bool m_starred = false;
    int m_skipRemaining = 0;
    PendingText m_pending;
    FontTableReader m_fonts;
    ColorTableReader m_colors;
    WordPadListReader m_wordPadList;
    QString m_marker;
    QList<int> m_rowEdges;
    qsizetype m_pictureBytes = 0;
};

} // namespace tarvek::rtf
