#include "MaskedLineEdit.h"

#include "Cp1252.h"
#include "FieldFilters.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

using namespace tarvek::config;

namespace tarvek::ui
{

namespace
{

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

} // namespace

MaskedLineEdit::MaskedLineEdit(MaskedField &field, QWidget *parent)
    : QLineEdit(parent), m_field(field)
{
    setDragEnabled(false);
    setAcceptDrops(false);
    if (field.maxLength() > 0)
        setMaxLength(std::max<int>(field.maxLength(), static_cast<int>(field.mask().size())));
    connect(&m_field, &MaskedField::changed, this, &MaskedLineEdit::showField);
    // Nothing but showField() should change the shown text; if some path of
    // QLineEdit still does, the field's text is put back.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &shown) {
        if (shown != m_field.text())
            showField();
    });
    showField();
}

int MaskedLineEdit::keyCode(char32_t ch)
{
    const int code = cp1252Code(ch);
    if (code >= 0)
        return code;
    return ch > 255 ? static_cast<int>(ch) : 256;
}

void MaskedLineEdit::showField()
{
    if (m_editing)
        return; // apply() places the caret itself
    QLineEdit::setText(m_field.text());
    setCursorPosition(0);
}

Caret MaskedLineEdit::currentCaret() const
{
    Caret caret;
    caret.position = cursorPosition();
    if (hasSelectedText()) {
        caret.selectionStart = selectionStart();
        caret.selectionLength = selectionLength();
    }
    return caret;
}

void MaskedLineEdit::apply(const std::optional<EditResult> &edit)
{
    if (!edit)
        return;
    m_editing = true;
    const bool written = applyEdit(m_field, *edit);
    m_editing = false;
    if (!written)
        return;
    QLineEdit::setText(m_field.text());
    setCursorPosition(edit->caret);
}

int MaskedLineEdit::filtered(char32_t ch) const
{
    int code = keyCode(ch);
    if (m_keyHook)
        m_keyHook(code);
    return code;
}

void MaskedLineEdit::insertCode(int code)
{
    if (code == kBackspaceCode) {
        apply(deleteBackward(m_field, currentCaret()));
        return;
    }
    if (!isPrintableCode(code))
        return; // dropped, or nothing a field can hold
    const char32_t typed = cp1252Char(static_cast<unsigned char>(code));
    apply(insertChars(m_field, currentCaret(), QString::fromUcs4(&typed, 1)));
}

void MaskedLineEdit::typeOne(char32_t ch)
{
    insertCode(filtered(ch));
}

void MaskedLineEdit::typeCharacters(const QString &chars)
{
    for (char32_t ch : chars.toUcs4())
        typeOne(ch);
}

void MaskedLineEdit::backspace()
{
    int code = kBackspaceCode;
    if (m_keyHook)
        m_keyHook(code);
    insertCode(code);
}

void MaskedLineEdit::pasteFrom(QClipboard::Mode mode)
{
    const QString pasted = QApplication::clipboard()->text(mode);
    // Pasted characters pass the same hook as typed ones, so a field's
    // character rules hold whichever way the text arrives.
    QString accepted;
    for (char32_t ch : pasted.toUcs4()) {
        const int code = filtered(ch);
        if (isPrintableCode(code))
            accepted.append(QChar(cp1252Char(static_cast<unsigned char>(code))));
    }
    apply(insertChars(m_field, currentCaret(), accepted));
}

void MaskedLineEdit::cutSelection()
{
    if (!hasSelectedText())
        return;
    QApplication::clipboard()->setText(selectedText());
    apply(deleteForward(m_field, currentCaret()));
}

void MaskedLineEdit::deleteSelectionOrNext()
{
    apply(deleteForward(m_field, currentCaret()));
}

bool MaskedLineEdit::handleEditKey(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste))
        pasteFrom(QClipboard::Clipboard);
    else if (event->matches(QKeySequence::Cut))
        cutSelection();
    else if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier))
        backspace();
    else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier)
        deleteSelectionOrNext();
    else
        return false;
    return true;
}

void MaskedLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (handleEditKey(event))
        return event->accept();
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) ||
        isNavigationKey(event->key()))
        return QLineEdit::keyPressEvent(event);
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const QString text = event->text();
    // A key that types no character (Tab, Enter, Escape, F-keys, shortcuts)
    // is the window's; any character is typed, and the field's own rule then
    // keeps or drops it.
    if (command || text.isEmpty() || !text.at(0).isPrint())
        return event->ignore();
    typeCharacters(text);
    event->accept();
}

void MaskedLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    typeCharacters(event->commitString());
    event->accept();
}

void MaskedLineEdit::focusInEvent(QFocusEvent *event)
{
    // QLineEdit selects the whole text when the focus comes by Tab; here the
    // caret stays where it is, and only the fields that want select-all ask
    // for it on gotFocus().
    const bool keyboard = event->reason() == Qt::TabFocusReason ||
                          event->reason() == Qt::BacktabFocusReason ||
                          event->reason() == Qt::ShortcutFocusReason;
    QFocusEvent plain(QEvent::FocusIn, keyboard ? Qt::OtherFocusReason : event->reason());
    QLineEdit::focusInEvent(&plain);
    // Closing a context menu or a list that popped up from this field hands
    // the focus back without the field ever having lost it to the operator.
    if (event->reason() != Qt::PopupFocusReason)
        Q_EMIT gotFocus();
}

void MaskedLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    const bool selected = hasSelectedText();
    menu.addAction(QStringLiteral("Cu&t"), this, &MaskedLineEdit::cutSelection)
        ->setEnabled(selected);
    menu.addAction(QStringLiteral("&Copy"), this, &QLineEdit::copy)->setEnabled(selected);
    menu.addAction(QStringLiteral("&Paste"), this, [this] { pasteFrom(QClipboard::Clipboard); })
        ->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addAction(QStringLiteral("Delete"), this, &MaskedLineEdit::deleteSelectionOrNext)
        ->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select All"), this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void MaskedLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the X11 selection; it goes through pasteFrom()
    // like any other paste.
    if (event->button() == Qt::MiddleButton) {
        if (QApplication::clipboard()->supportsSelection())
            pasteFrom(QClipboard::Selection);
        return event->accept();
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace tarvek::ui
