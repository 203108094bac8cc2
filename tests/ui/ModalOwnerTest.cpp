// The real message box and file dialog run their own event loop; the window
// that owns them may be destroyed meanwhile (which destroys them with it).
// They must then return as if cancelled, without touching what is gone.
#include "FileDialogs.h"
#include "MessagePresenter.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace tarvek::ui
{
namespace
{

// Destroys `owner` as soon as the modal loop has started.
void DestroyOnceTheLoopRuns(QWidget *&owner)
{
    owner->show();
    QTimer::singleShot(50, [&owner] {
        delete owner;
        owner = nullptr;
    });
}

TEST(ModalOwnerDestroyed, MessageBoxReturns)
{
    QWidget *owner = new QWidget;
    DestroyOnceTheLoopRuns(owner);
    QtMessagePresenter().showMessage(owner, QStringLiteral("Tarvek"), QStringLiteral("text"),
                                     MessageIcon::None);
    EXPECT_EQ(owner, nullptr);
}

TEST(ModalOwnerDestroyed, FileDialogReturnsAsCancelled)
{
    QWidget *owner = new QWidget;
    DestroyOnceTheLoopRuns(owner);
    FileDialogRequest request;
    request.title = QStringLiteral("Apertura File");
    request.fileName = QStringLiteral("Tarvek.cfg");
    EXPECT_EQ(QtFileDialogs().chooseFile(owner, request), std::nullopt);
    EXPECT_EQ(owner, nullptr);
}

} // namespace
} // namespace tarvek::ui
