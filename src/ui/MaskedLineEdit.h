#pragma once
// The one-line input widget of a masked field. The MaskedField is the only
// store of the text: every operator edit (typing, Backspace, Delete, cut,
// paste, input methods) is worked out by MaskedEditing and written into the
// field, and the widget redraws from the field after every change, whoever
// made it. The widget's own text is only what is shown.
//
// Each typed character first goes through the key hook as its Windows-1252
// code (a character the code page cannot hold arrives as a code above 255);
// the hook may replace the code or set it to 0, and a dropped character
// leaves text, caret and selection as they were. Backspace reaches the hook
// as code 8.
#include "MaskedEditing.h"
#include "MaskedField.h"

#include <QClipboard>
#include <QLineEdit>
#include <functional>

namespace tarvek::ui
{

class MaskedLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using KeyHook = std::function<void(int &code)>;

    // `field` must outlive the widget.
    explicit MaskedLineEdit(config::MaskedField &field, QWidget *parent = nullptr);

    config::MaskedField &field() const { return m_field; }
    void setKeyHook(KeyHook hook) { m_keyHook = std::move(hook); }

    // The operator's edits, also reached from the context menu.
    void typeCharacters(const QString &chars);
    void pasteFrom(QClipboard::Mode mode);
    void cutSelection();
    void deleteSelectionOrNext();

    // The code the key hook receives for a character.
    static int keyCode(char32_t ch);

Q_SIGNALS:
    // The widget has received the focus (by Tab, mouse, activation of its
    // window or a program request; not when a popup hands it back).
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    config::Caret currentCaret() const;
    // Runs the hook on one typed character; 0 when it is dropped.
    int filtered(char32_t ch) const;
    void typeOne(char32_t ch);
    // Inserts the character of a code the hook has passed (8: Backspace).
    void insertCode(int code);
    void backspace();
    void apply(const std::optional<config::EditResult> &edit);
    void showField();
    bool handleEditKey(QKeyEvent *event);

    config::MaskedField &m_field;
    KeyHook m_keyHook;
    bool m_editing = false;
};

} // namespace tarvek::ui
