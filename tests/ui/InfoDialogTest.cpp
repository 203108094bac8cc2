// The information dialog: its look, OK, and the close box that hides it.
#include "InfoDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpontaneKeyEvent>

#include <gtest/gtest.h>

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;

// A close request as the window system delivers it from the close box.
bool CloseFromCloseBox(QWidget *window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(window, &event); // sendEvent would clear the flag
    return event.isAccepted();
}

TEST(InfoDialog, CreatedHiddenWithItsCaptionBorderAndControls)
{
    QWidget owner;
    const InfoDialog dialog(&owner);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.parentWidget(), &owner);
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.windowTitle(), u"Tarvek"_s);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.okButton()->text(), u"OK"_s);

    const QLabel *label = dialog.infoLabel();
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(label->font().bold());
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 13.5);
    // An outline face: a bitmap one would be swapped for another at this size.
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(QFontInfo(label->font()).family()));
}

TEST(InfoDialog, OkHidesAndTheDialogStaysLoaded)
{
    QWidget owner;
    QPointer<InfoDialog> dialog = new InfoDialog(&owner);
    dialog->infoLabel()->setText(u"kept"_s);
    dialog->show();
    dialog->okButton()->click();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->infoLabel()->text(), u"kept"_s);
}

TEST(InfoDialog, CloseBoxHidesInsteadOfClosing)
{
    QWidget owner;
    QPointer<InfoDialog> dialog = new InfoDialog(&owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose); // would destroy it if the close went through
    dialog->show();
    EXPECT_FALSE(CloseFromCloseBox(dialog));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_FALSE(dialog->isVisible());
    dialog->show();
    EXPECT_TRUE(dialog->isVisible());
}

TEST(InfoDialog, CloseRequestedByTheProgramProceeds)
{
    QWidget owner;
    InfoDialog dialog(&owner);
    dialog.show();
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace tarvek::ui
