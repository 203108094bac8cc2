#include "CalculatorWindow.h"

#include "CheckStates.h"

#include "AprsPosition.h"
#include "CaptionFit.h"
#include "Cp1252.h"
#include "FieldFilters.h"
#include "PositionText.h"
#include "TrackerSettings.h"
#include "Twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <exception>

namespace tarvek::ui
{

namespace
{

const QColor kLightYellow(255, 255, 128);

void Place(QWidget *widget, int left, int top, int width, int height)
{
    PlaceCaptioned(widget, TwipsRect(left, top, width, height, widget->logicalDpiY()));
}

int RadioCaptionWidth(const QRadioButton *button, const QFont &font)
{
    const QStyle *style = button->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) +
           QFontMetrics(font).horizontalAdvance(button->text()) + 3;
}

// Option-button captions are kept whole as the window's other captions are
// (FitAllCaptions): the button may grow to the window's edge, and where the
// stand-in face is still too wide the caption is drawn condensed.
void FitRadioCaption(QRadioButton *button)
{
    const int room = button->parentWidget()->width() - 2 - button->x();
    QFont font = button->font();
    for (int stretch = QFont::Unstretched; stretch >= 60 && RadioCaptionWidth(button, font) > room;
         stretch -= 5)
        font.setStretch(stretch);
    button->setFont(font);
    button->resize(std::max(button->width(), std::min(room, RadioCaptionWidth(button, font))),
                   button->height());
}

std::string ToCp1252(const QString &text)
{
    return EncodeCp1252(text).toStdString();
}

QString FromCp1252(const std::string &bytes)
{
    return DecodeCp1252(QByteArray::fromStdString(bytes));
}

// A key press that types a character, as opposed to Delete, the arrows,
// Home, End and the other editing keys. Tab and Shift+Tab move the focus and
// never reach a field as characters.
bool TypesCharacter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return !event->text().isEmpty();
    }
}

// The typed character through the coordinate key filter: false when dropped.
bool CoordinateKeyAllowed(const QKeyEvent *event)
{
    const QList<uint> chars = event->text().toUcs4();
    int code = chars.isEmpty() ? -1 : Cp1252Code(chars.front());
    FilterCoordinateKey(code);
    return code != 0;
}

void BindText(QLineEdit *edit, MaskedField &field)
{
    edit->setText(field.text());
    QObject::connect(&field, &MaskedField::changed, edit, [edit, &field] {
        if (edit->text() != field.text())
            edit->setText(field.text());
    });
    QObject::connect(edit, &QLineEdit::textChanged, &field, [edit, &field](const QString &text) {
        if (field.text() != text && !field.setText(text))
            edit->setText(field.text());
    });
}

} // namespace

CalculatorWindow::CalculatorWindow(CalculatorSettings &calc, TrackerSettings &tracker,
                                   QLineEdit *beaconEdit, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_calc(calc), m_tracker(tracker), m_beaconEdit(beaconEdit)
{
    setObjectName(QStringLiteral("frmLatLon"));
    setWindowTitle(QStringLiteral("Calculate APRS Coordinates for GPSless Mode"));
    setModal(false);
    createControls();
    applyFonts();
    placeControls();
    orderTabs();
    bindModel();
    txtLat->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::createControls()
{
    zFrame2 = new QGroupBox(QStringLiteral("Lat / Lon  coordinates [+/-Grad.Min.Cent]"), this);
    zLabel02 = new QLabel(QStringLiteral("La&titude:"), zFrame2);
    txtLat = new QLineEdit(zFrame2);
    zLabel01 = new QLabel(QStringLiteral("Lo&ngitude:"), zFrame2);
    txtLng = new QLineEdit(zFrame2);
    chkCent = new QCheckBox(QStringLiteral("Cent."), zFrame2);
    chkCent->setToolTip(QStringLiteral("Lat/Lon in gradi.minuti.centesimi"));
    Label1 = new QLabel(QStringLiteral("APRS Conversion Type:"), this);
    optLLtoNorm = new QRadioButton(QStringLiteral("Normal (20 car)"), this);
    optLLtoComp = new QRadioButton(QStringLiteral("Compressed (14 car)"), this);
    formGroup = new QButtonGroup(this);
    formGroup->addButton(optLLtoNorm);
    formGroup->addButton(optLLtoComp);
    cmdCalc = new QPushButton(QStringLiteral("Write coords in GPSless Bcn"), this);
    OKButton = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton *button : {cmdCalc, OKButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    zLabel02->setBuddy(txtLat);
    zLabel01->setBuddy(txtLng);
    for (QLineEdit *field : {txtLat, txtLng}) {
        // Every character arrives as a key press, so the key filter sees it.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        field->installEventFilter(this);
    }
    const QList<std::pair<QObject *, const char *>> names = {
        {zFrame2, "zFrame2"},   {zLabel02, "zLabel02"},       {txtLat, "txtLat"},
        {zLabel01, "zLabel01"}, {txtLng, "txtLng"},           {chkCent, "chkCent"},
        {Label1, "Label1"},     {optLLtoNorm, "optLLtoNorm"}, {optLLtoComp, "optLLtoComp"},
        {cmdCalc, "cmdCalc"},   {OKButton, "OKButton"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QString::fromLatin1(name));
    connect(cmdCalc, &QPushButton::clicked, this, &CalculatorWindow::cmdCalc_Click);
    connect(OKButton, &QPushButton::clicked, this, &CalculatorWindow::OKButton_Click);
}

void CalculatorWindow::applyFonts()
{
    // The classic Windows faces where installed, the system's sans-serif
    // face at the same size otherwise.
    const QString classic = QStringLiteral("MS Sans Serif");
    setFont(FormFont(classic, 8.25));
    QFont fieldFont = FormFont(classic, 8.25);
    fieldFont.setBold(true);
    txtLat->setFont(fieldFont);
    txtLng->setFont(fieldFont);
    chkCent->setFont(FormFont(QStringLiteral("Small Fonts"), 6.75));
}

void CalculatorWindow::placeControls()
{
    setFixedSize(TwipsSize(5295, 1620, logicalDpiY()));
    Place(zFrame2, 80, 40, 3270, 900);
    Place(zLabel02, 225, 240, 975, 255);
    Place(txtLat, 225, 500, 1050, 300);
    Place(zLabel01, 1575, 240, 1035, 255);
    Place(txtLng, 1575, 500, 1150, 300);
    Place(chkCent, 2600, 275, 615, 165);
    Place(Label1, 3450, 40, 1815, 255);
    Place(optLLtoNorm, 3450, 275, 1750, 325);
    Place(optLLtoComp, 3450, 550, 1750, 325);
    Place(cmdCalc, 480, 1080, 2445, 375);
    Place(OKButton, 3840, 1080, 975, 375);
    FitAllCaptions(this);
    FitRadioCaption(optLLtoNorm);
    FitRadioCaption(optLLtoComp);
}

void CalculatorWindow::orderTabs()
{
    const QList<QWidget *> order = {txtLat,  txtLng,  optLLtoNorm, optLLtoComp,
                                    cmdCalc, chkCent, OKButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void CalculatorWindow::bindModel()
{
    BindText(txtLat, m_calc.txtLat);
    BindText(txtLng, m_calc.txtLng);

    chkCent->setCheckState(ToQtCheckState(m_calc.chkCent.value()));
    connect(&m_calc.chkCent, &CheckBox::changed, chkCent, [this] {
        const Qt::CheckState state = ToQtCheckState(m_calc.chkCent.value());
        if (chkCent->checkState() != state)
            chkCent->setCheckState(state);
    });
    // Every change of the box's state, by a click or by the program, is a Click.
    connect(chkCent, &QCheckBox::stateChanged, this, [this](int state) {
        if (m_calc.chkCent.value() != FromQtCheckState(state))
            (void)m_calc.chkCent.setValue(FromQtCheckState(state));
        // Greyed only by the program; a click leaves ticked or clear.
        chkCent->setTristate(state == Qt::PartiallyChecked);
        chkCent_Click();
    });

    const auto showForm = [this] {
        QRadioButton *selected = m_calc.optLLtoNorm.isSelected() ? optLLtoNorm : optLLtoComp;
        if (!selected->isChecked())
            selected->setChecked(true);
        // Tab enters the group at its selected button; the arrows move within.
        optLLtoNorm->setFocusPolicy(selected == optLLtoNorm ? Qt::StrongFocus : Qt::ClickFocus);
        optLLtoComp->setFocusPolicy(selected == optLLtoComp ? Qt::StrongFocus : Qt::ClickFocus);
    };
    showForm();
    connect(&m_calc.optLLtoNorm, &OptionButton::changed, this, showForm);
    connect(optLLtoNorm, &QRadioButton::toggled, &m_calc.optLLtoNorm, [this](bool on) {
        if (m_calc.optLLtoNorm.isSelected() != on)
            m_calc.optLLtoNorm.setSelected(on);
    });
}

geo::AngleNotation CalculatorWindow::notation() const
{
    return m_calc.chkCent.isTicked() ? geo::AngleNotation::Hundredths : geo::AngleNotation::Seconds;
}

bool CalculatorWindow::textsValid() const
{
    return geo::PositionTextsValid(ToCp1252(m_calc.txtLat.text()), ToCp1252(m_calc.txtLng.text()),
                                   notation());
}

void CalculatorWindow::readSymbol()
{
    SymbolCode = ToCp1252(m_tracker.edSymbol.text());
    SymbolTableId = std::string(1, geo::SymbolTableId(m_tracker.chkTable.isTicked()));
}

void CalculatorWindow::txtCoordinate_KeyUp()
{
    cmdCalc->setEnabled(textsValid());
}

void CalculatorWindow::chkCent_Click()
{
    cmdCalc->setEnabled(textsValid());
    zFrame2->setTitle(m_calc.chkCent.isTicked()
                          ? QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Cent]")
                          : QStringLiteral("Lat / Lon coordinates [+/-Grad.Min.Sec]"));
    FitCaption(zFrame2);
}

void CalculatorWindow::showAndRaise()
{
    show();
    raise();
    activateWindow();
}

std::string CalculatorWindow::BuildCompressedPosition(double &lat, double &lon)
{
    readSymbol();
    return geo::CompressedPosition(lat, lon, SymbolTableId.front(), SymbolCode);
}

void CalculatorWindow::cmdCalc_Click()
{
    // A text pasted with the mouse has not been through a key release: check
    // again, and leave everything as it is when a text is not well formed.
    if (!textsValid()) {
        cmdCalc->setEnabled(false);
        return;
    }
    readSymbol();
    const auto form =
        m_calc.optLLtoNorm.isSelected() ? geo::PositionForm::Normal : geo::PositionForm::Compressed;
    std::string report;
    try {
        report =
            geo::ComposePositionText(ToCp1252(m_calc.txtLat.text()), ToCp1252(m_calc.txtLng.text()),
                                     notation(), form, SymbolTableId.front(), SymbolCode);
    } catch (const std::exception &) {
        cmdCalc->setEnabled(false);
        return;
    }
    if (!m_tracker.edBeacon.setText(FromCp1252(report)))
        return;
    if (m_beaconEdit) {
        m_beaconEdit->setFocus(Qt::OtherFocusReason);
        placeBeaconCaret();
        setBeaconBackground(true);
    }
    activateWindow();
}

void CalculatorWindow::OKButton_Click()
{
    hide();
    // Writing the status text again refreshes everything that follows it.
    (void)m_tracker.edBeacon.setText(m_tracker.edBeacon.text());
    if (m_beaconEdit) {
        placeBeaconCaret();
        setBeaconBackground(false);
    }
}

// The caret goes to position 99 taken as the selection start, i.e. after the
// last character of the (at most 29-character) text, with nothing selected.
void CalculatorWindow::placeBeaconCaret()
{
    const int length = static_cast<int>(m_beaconEdit->text().size());
    m_beaconEdit->setCursorPosition(std::min(kBeaconCaretPosition, length));
}

void CalculatorWindow::setBeaconBackground(bool highlighted)
{
    const QPalette system = QApplication::palette(m_beaconEdit);
    QPalette palette = m_beaconEdit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base,
                         highlighted ? kLightYellow : system.color(group, QPalette::Base));
    }
    m_beaconEdit->setPalette(palette);
}

bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtLat && watched != txtLng)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (TypesCharacter(key) && !CoordinateKeyAllowed(key))
            return true; // dropped without a sound
    } else if (event->type() == QEvent::KeyRelease) {
        txtCoordinate_KeyUp();
    }
    return QDialog::eventFilter(watched, event);
}

// Returns true when the close request is cancelled.
bool CalculatorWindow::Form_QueryUnload(bool fromCloseControl)
{
    if (!fromCloseControl)
        return false;
    OKButton_Click();
    return true;
}

void CalculatorWindow::closeEvent(QCloseEvent *event)
{
    // The window system's close requests (close box, system menu, Alt+F4)
    // arrive as spontaneous events; the program's own are not.
    if (Form_QueryUnload(event->spontaneous()))
        event->ignore();
    else
        event->accept();
}

void CalculatorWindow::keyPressEvent(QKeyEvent *event)
{
    // The window has no cancel button: Escape does not close it.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tarvek::ui
