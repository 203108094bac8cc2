#pragma once
// The APRS symbol chooser: both tables with each symbol's character and
// name, filtered by what is typed into its search field ("truck"). Enter or
// a double click chooses the current symbol; Esc closes it with nothing
// chosen.
#include "AprsSymbols.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QTreeWidget;

namespace tarvek::ui
{

class SymbolPicker : public QDialog
{
    Q_OBJECT
public:
    explicit SymbolPicker(QWidget *parent = nullptr);

    // Shows every symbol again with `current` selected (when it is one).
    void reset(const std::optional<config::AprsSymbol> &current);

    // The symbol chosen when the dialog was accepted.
    std::optional<config::AprsSymbol> chosen() const;

    QLineEdit *filterField() const { return m_filter; }
    QTreeWidget *list() const { return m_list; }
    // The symbols the filter leaves shown, in list order.
    QList<config::AprsSymbol> shownSymbols() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFilter(const QString &text);
    void selectFirstShown();

    QLineEdit *m_filter = nullptr;
    QTreeWidget *m_list = nullptr;
};

} // namespace tarvek::ui
