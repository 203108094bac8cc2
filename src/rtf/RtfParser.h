#pragma once
// The reader's state machine: the tokenizer's tokens drive a stack of group
// states (GroupStack.h); text goes to the current destination, control words
// change the group's formats, the tables or the document's structure. The
// parser dispatches; the format words (FormatWords.h), the readers of the
// tables, pictures and WordPad lists, and the DocumentAssembler that builds
// the model do most of the work.
#include "CodePage.h"
#include "ColorTableReader.h"
#include "DocumentAssembler.h"
#include "FontTableReader.h"
#include "GroupStack.h"
#include "PendingText.h"
#include "PictureCollector.h"
#include "RtfKeywords.h"
#include "RtfReader.h"
#include "RtfTokenizer.h"
#include "WordPadListReader.h"

#include <optional>
#include <string_view>

namespace tarvek::rtf
{

class RtfParser
{
public:
    RtfParser(QByteArrayView input, const ReadLimits &limits);
    Document run();

private:
    GroupState &state() { return m_groups.top(); }
    const GroupState &state() const { return m_groups.top(); }
    void handle(const Token &token);

    void openGroup();
    void closeGroup();
    bool enterDestination(KeywordInfo info, std::string_view word, bool starred);
    void endDestination(const GroupState &closed);
    void finishPicture(const GroupState &closed);

    void handleText(std::string_view bytes);
    void handleHexByte(unsigned char byte);
    void handleSymbol(char symbol);
    void deliverSymbol(char symbol);

    void handleWord(const Token &token);
    void skipBinary(const Token &token);
    bool handleDestinationWord(Keyword keyword, const Token &token);
    bool handleDocumentWord(Keyword keyword, const Token &token);
    bool handleTextWord(KeywordInfo info, const Token &token);
    bool handleTableWord(Keyword keyword, const Token &token);

    int currentCodePage() const;
    void flushBytes();
    void deliverCharacter(char16_t character);
    void deliver(const QString &text);

    RtfTokenizer m_tokenizer;
    const ReadLimits m_limits;
    Document m_document;
    DocumentAssembler m_assembler;
    PictureCollector m_picture;
    GroupStack m_groups;
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
