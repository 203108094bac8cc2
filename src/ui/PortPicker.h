#pragma once
// The serial port chooser: every port number with its device, the system's
// name for it and its state (ready, in use by which program, not allowed
// and why, a driver problem, Bluetooth). Below the list, everything known of
// the selected port; when no port is ready, what is wrong. Enter or a double
// click chooses the selected port; Esc closes it with nothing chosen. A
// number above what "Comm num:" takes is listed, greyed, with the reason,
// and cannot be chosen.
#include "PortSurvey.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvek::ui
{

class PortPicker : public QDialog
{
    Q_OBJECT
public:
    // `largestNumber`: the highest number "Comm num:" takes.
    explicit PortPicker(int largestNumber, QWidget *parent = nullptr);

    // Opens on port `current` (none: no number), in the ports last shown
    // until the next survey arrives.
    void reset(std::optional<int> current);
    // Shows the ports of `survey`, keeping the selected number.
    void showSurvey(const serial::PortSurvey &survey);

    // The number chosen when the dialog was accepted.
    std::optional<int> chosen() const;

    QTreeWidget *list() const { return m_list; }
    // The number of the selected port; none when no port is selected.
    std::optional<int> selectedNumber() const;
    QLabel *details() const { return m_details; }
    QLabel *trouble() const { return m_trouble; }
    QPushButton *chooseButton() const { return m_choose; }

private:
    bool takes(int number) const { return number >= 1 && number <= m_largestNumber; }
    QTreeWidgetItem *itemOf(const serial::SurveyedPort &port) const;
    // Everything known of `port`, a line per subject.
    QString describe(const serial::SurveyedPort &port) const;
    void selectWanted();
    void onCurrentChanged();
    void showDetails();
    void chooseSelected();

    int m_largestNumber;
    QTreeWidget *m_list = nullptr;
    QLabel *m_details = nullptr;
    QLabel *m_trouble = nullptr;
    QPushButton *m_choose = nullptr;
    std::optional<serial::PortSurvey> m_shown; // none before the first survey
    // The port to keep selected: the number "Comm num:" held at opening, then
    // the operator's choice, also while it is unplugged.
    std::optional<int> m_wanted;
};

} // namespace tarvek::ui
