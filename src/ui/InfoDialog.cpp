#include "InfoDialog.h"

#include "CaptionFit.h"
#include "Twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvek::ui
{
namespace
{

// A fixed size in twips, at the document resolution.
constexpr int kWidth = static_cast<int>(twipsToDocumentPixels(4680));
constexpr int kHeight = static_cast<int>(twipsToDocumentPixels(2160));
constexpr int kButtonWidth = static_cast<int>(twipsToDocumentPixels(1215));
constexpr qreal kInfoPointSize = 13.5;

// The window's face, large and bold.
QFont infoFont()
{
    QFont font = formFont(kInfoPointSize);
    font.setBold(true);
    return font;
}

} // namespace

InfoDialog::InfoDialog(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      m_infoLabel(new QLabel(this)), m_okButton(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(false);
    setSizeGripEnabled(false);

    m_infoLabel->setObjectName(QStringLiteral("lblInfo"));
    m_infoLabel->setTextFormat(Qt::PlainText);
    m_infoLabel->setAlignment(Qt::AlignCenter);
    m_infoLabel->setWordWrap(true);
    m_infoLabel->setFont(infoFont());
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setFixedWidth(kButtonWidth);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_infoLabel, 1);
    layout->addWidget(m_okButton, 0, Qt::AlignHCenter);
    setFixedSize(kWidth, kHeight);

    connect(m_okButton, &QPushButton::clicked, this, &InfoDialog::onOkClicked);
}

void InfoDialog::setInfoText(const QString &text)
{
    m_infoLabel->setText(text);
    setAccessibleDescription(text);
    QAccessibleEvent changed(m_infoLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void InfoDialog::onOkClicked()
{
    hide();
}

void InfoDialog::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous()) {
        event->ignore();
        onOkClicked();
        return;
    }
    event->accept();
}

} // namespace tarvek::ui
