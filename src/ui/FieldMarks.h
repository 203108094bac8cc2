#pragma once
// What a text field tells beyond its text, in three layers that make its
// tooltip, its accessible description and its frame:
// - its note: the form's tooltip, or what FieldNotes says of the value;
// - the on-air warnings (config/OnAirWarnings.h): after the note, with an
//   amber frame;
// - the reason a SEND was refused (RejectedField): alone, with a red frame,
//   winning over both until it is taken away.
// Writing one layer leaves the others as they are, so that whichever comes
// and goes first, the field shows what still holds.
#include <QStringList>

class QWidget;

namespace tarvek::ui
{

// The note; the first write of any layer takes the field's tooltip and
// accessible description as its note until then.
void setFieldNote(QWidget *field, const QString &toolTip, const QString &description);

// The warnings, none for no amber frame.
void setFieldWarnings(QWidget *field, const QStringList &warnings);

// The refused SEND's reason; an empty one takes the red frame away.
void setFieldRejection(QWidget *field, const QString &reason);

} // namespace tarvek::ui
