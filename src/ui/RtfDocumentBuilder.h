#pragma once
// Fills a QTextDocument from the RTF reader's document model: character and
// paragraph formats, lists as QTextLists, tables as QTextTables and PNG/JPEG
// pictures as image resources of the document.
#include "RtfDocument.h"

#include <QByteArrayView>

class QTextDocument;

namespace tarvek::ui
{

// Replaces the content of `target` with `source`.
void buildTextDocument(const rtf::Document &source, QTextDocument &target);

// Reads RTF bytes and replaces the content of `target` with them.
void loadRtfIntoDocument(QByteArrayView rtf, QTextDocument &target);

} // namespace tarvek::ui
