// fitCaption on a small form, judged by where the style itself draws the
// caption: the caption shows whole, a label or check box grows into free
// room on its right before it is drawn condensed, and none runs under the
// next control on its rows.
#include "CaptionFit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

enum class Kind { Label, CheckBox, Frame };

// Where the caption's text ends, in the control, as the style lays it out.
int captionEnd(QWidget *control)
{
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left() +
               box->fontMetrics().horizontalAdvance(box->text());
    }
    if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return frame->style()
                   ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                   .right() +
               1;
    }
    return control->sizeHint().width();
}

struct FitCase {
    const char *name;
    Kind kind;
    const char *caption;
    // The next control's left edge: from the caption's start, in tenths of
    // the caption's unstretched advance, or in pixels.
    int nextAtTenths;
    int nextAtPixels;
    bool nextOnSameRow;
    bool condensed;
};

class CaptionFit : public ::testing::TestWithParam<FitCase>
{
};

TEST_P(CaptionFit, ShowsWholeGrowingBeforeCondensing)
{
    const FitCase &c = GetParam();
    QWidget form;
    form.resize(600, 200);
    form.setFont(formFont(8.25));
    const QString caption = QString::fromLatin1(c.caption);
    QWidget *control = nullptr;
    QRect place(10, 10, 20, 20);
    switch (c.kind) {
    case Kind::Label:
        control = new QLabel(caption, &form);
        break;
    case Kind::CheckBox:
        control = new QCheckBox(caption, &form);
        break;
    case Kind::Frame:
        control = new QGroupBox(caption, &form);
        place = QRect(10, 10, form.fontMetrics().horizontalAdvance(caption) + 8, 60);
        break;
    }
    const int advance = form.fontMetrics().horizontalAdvance(caption);
    const int nextLeft = place.left() + c.nextAtPixels + advance * c.nextAtTenths / 10;
    auto *next = new QLineEdit(&form);
    next->setGeometry(nextLeft, c.nextOnSameRow ? place.top() : place.bottom() + 10, 60, 20);
    placeCaptioned(control, place);

    fitCaption(control);

    const int stretch = control->font().stretch();
    EXPECT_EQ(stretch > 0 && stretch < QFont::Unstretched, c.condensed) << stretch;
    EXPECT_LE(captionEnd(control), control->width());
    EXPECT_EQ(control->x(), place.left());
    if (c.nextOnSameRow) {
        EXPECT_LT(control->geometry().right(), nextLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, CaptionFit,
                         ::testing::Values(FitCase{"label_grows", Kind::Label,
                                                   "Acquisition interval", 0, 400, true, false},
                                           FitCase{"check_box_grows", Kind::CheckBox,
                                                   "Alternate Table", 0, 400, true, false},
                                           FitCase{"label_grows_past_a_control_below", Kind::Label,
                                                   "Acquisition interval", 0, 30, false, false},
                                           FitCase{"label_condensed_before_a_close_control",
                                                   Kind::Label, "Acquisition interval", 9, 0, true,
                                                   true},
                                           FitCase{"frame_condensed_in_its_own_width", Kind::Frame,
                                                   "Speed table (seconds)", 0, 400, true, true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvek::ui
