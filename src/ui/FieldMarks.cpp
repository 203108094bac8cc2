#include "FieldMarks.h"

#include "LiteralText.h"

#include <QWidget>

namespace tarvek::ui
{
namespace
{

constexpr char kLayersName[] = "tarvekFieldMarks";
constexpr char kWarnedFrame[] = "QLineEdit { border: 2px solid rgb(230, 140, 0); }";
constexpr char kRejectedFrame[] = "QLineEdit { border: 1px solid red; }";

// The layers of one field, kept as a child of it.
class Layers : public QObject
{
public:
    explicit Layers(QWidget *field)
        : QObject(field), m_field(field), m_toolTip(field->toolTip()),
          m_description(field->accessibleDescription()), m_styleSheet(field->styleSheet())
    {
        setObjectName(QString::fromLatin1(kLayersName));
    }

    static Layers &of(QWidget *field)
    {
        auto *layers = field->findChild<Layers *>(QString::fromLatin1(kLayersName),
                                                  Qt::FindDirectChildrenOnly);
        return layers ? *layers : *new Layers(field);
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

private:
    void show()
    {
        if (!m_rejection.isEmpty())
            showAs(literalRichText(m_rejection), m_rejection, QString::fromLatin1(kRejectedFrame));
        else if (!m_warnings.isEmpty())
            showWarnings();
        else
            showAs(literalRichText(m_toolTip), m_description, m_styleSheet);
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
        showAs(literalParagraphs(paragraphs), description, QString::fromLatin1(kWarnedFrame));
    }

    void showAs(const QString &toolTip, const QString &description, const QString &styleSheet)
    {
        m_field->setToolTip(toolTip);
        m_field->setAccessibleDescription(description);
        if (m_field->styleSheet() != styleSheet)
            m_field->setStyleSheet(styleSheet);
    }

    QWidget *m_field;
    QString m_toolTip;
    QString m_description;
    QString m_styleSheet; // the field's own, shown without a frame of ours
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
