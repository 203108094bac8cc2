#include "FieldMarks.h"

#include "LiteralText.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace tarvek::ui
{
namespace
{

constexpr char kLayersName[] = "tarvekFieldMarks";
const QColor kWarnedFrame(230, 140, 0); // amber
const QColor kRejectedFrame(Qt::red);
constexpr int kFrameWidth = 2;

// The layers of one field, kept as a child of it. The frame is drawn over
// the field once it has painted itself, so that it leaves the field's
// palette alone (the calculator's light yellow) and needs no style sheet,
// which would replace that palette.
class Layers : public QObject
{
public:
    explicit Layers(QWidget *field)
        : QObject(field), m_field(field), m_toolTip(field->toolTip()),
          m_description(field->accessibleDescription())
    {
        setObjectName(QString::fromLatin1(kLayersName));
        field->installEventFilter(this);
    }

    static Layers &of(QWidget *field)
    {
        // Found by its name, which only Layers takes: a class without a
        // meta-object of its own cannot be asked for by type.
        QObject *layers = field->findChild<QObject *>(QString::fromLatin1(kLayersName),
                                                      Qt::FindDirectChildrenOnly);
        return layers ? *static_cast<Layers *>(layers) : *new Layers(field);
    }

    void setNote(const QString &toolTip, const QString &description)
    {
        m_toolTip = toolTip;
        m_description = description;
        show();
    }

    void setWarnings(const QStringList &warnings)
    {
        m_warnings = warnings;
        show();
    }

    void setRejection(const QString &reason)
    {
        m_rejection = reason;
        show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_field || event->type() != QEvent::Paint || !m_frame.isValid())
            return false;
        // The field paints itself first, then the frame goes on top.
        static_cast<QObject *>(m_field)->event(event);
        QPainter painter(m_field);
        painter.setPen(QPen(m_frame, kFrameWidth));
        const int inset = kFrameWidth / 2;
        painter.drawRect(m_field->rect().adjusted(inset, inset, -inset, -inset));
        return true;
    }

private:
    void show()
    {
        if (!m_rejection.isEmpty())
            showAs(literalRichText(m_rejection), m_rejection, kRejectedFrame);
        else if (!m_warnings.isEmpty())
            showWarnings();
        else
            showAs(literalRichText(m_toolTip), m_description, QColor());
    }

    // The note first, then each warning as a paragraph of its own; the
    // tooltip wraps its lines, which run long.
    void showWarnings()
    {
        QStringList paragraphs;
        if (!m_toolTip.isEmpty())
            paragraphs << m_toolTip;
        QString description = m_description;
        for (const QString &warning : m_warnings) {
            const QString line = QStringLiteral("Warning: ") + warning;
            paragraphs << line;
            description += (description.isEmpty() ? QString() : QStringLiteral(" ")) + line + u'.';
        }
        showAs(literalParagraphs(paragraphs), description, kWarnedFrame);
    }

    void showAs(const QString &toolTip, const QString &description, const QColor &frame)
    {
        m_field->setToolTip(toolTip);
        m_field->setAccessibleDescription(description);
        if (m_frame != frame) {
            m_frame = frame;
            m_field->update();
        }
    }

    QWidget *m_field;
    QString m_toolTip;
    QString m_description;
    QColor m_frame; // none when invalid
    QStringList m_warnings;
    QString m_rejection;
};

} // namespace

void setFieldNote(QWidget *field, const QString &toolTip, const QString &description)
{
    Layers::of(field).setNote(toolTip, description);
}

void setFieldWarnings(QWidget *field, const QStringList &warnings)
{
    Layers::of(field).setWarnings(warnings);
}

void setFieldRejection(QWidget *field, const QString &reason)
{
    Layers::of(field).setRejection(reason);
}

} // namespace tarvek::ui
