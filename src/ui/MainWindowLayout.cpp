// Builds the controls of the main window from their places in twips.
#include "CaptionFit.h"
#include "CheckStates.h"
#include "MainWindow.h"
#include "MaskedLineEdit.h"
#include "Twips.h"
#include "WrapButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tarvek::ui
{

namespace
{

const QColor kLatLonGreen(0, 160, 0);

// Places a control at left, top, width, height in twips of its container.
void Place(QWidget *control, int left, int top, int width, int height)
{
    PlaceCaptioned(control, TwipsRect(left, top, width, height, control->logicalDpiY()));
}

} // namespace

void MainWindow::buildControls()
{
    setFont(FormFont(QStringLiteral("MS Sans Serif"), 8.25));
    buildFrame1();
    buildFrame2();
    buildFrame3();
    buildFrame6();
    // Labels lie beneath the input controls, so where a label's place runs
    // under a field the field stays whole.
    for (QLabel *label : findChildren<QLabel *>())
        label->lower();
    FitAllCaptions(this);
    bindChoices();
    applyTabOrder();
}

namespace
{

QGroupBox *MakeFrame(QWidget *parent, const char *objectName, const char *caption)
{
    auto *frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(objectName));
    return frame;
}

QLabel *MakeLabel(QWidget *parent, const char *objectName, const char *caption)
{
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

MaskedLineEdit *MakeField(QWidget *parent, const QString &objectName, MaskedField &field)
{
    auto *edit = new MaskedLineEdit(field, parent);
    edit->setObjectName(objectName);
    return edit;
}

QCheckBox *MakeCheck(QWidget *parent, const char *objectName, const char *caption)
{
    auto *box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

template <typename Button = QPushButton>
Button *MakeButton(QWidget *parent, const char *objectName, const char *caption)
{
    auto *button = new Button(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

} // namespace

void MainWindow::buildFrame1()
{
    QGroupBox *f = m_c.Frame1 = MakeFrame(this, "Frame1", "Main APRS / Mic-E Settings");
    Place(f, 60, 0, 4215, 2295);
    Place(MakeLabel(f, "Label8", "TX DELAY"), 100, 250, 855, 255);
    m_c.edNumFlagsAuto =
        MakeField(f, QStringLiteral("edNumFlagsAuto"), m_model.tracker.edNumFlagsAuto);
    Place(m_c.edNumFlagsAuto, 1200, 240, 400, 255);
    Place(MakeLabel(f, "Label10", "mS"), 1600, 240, 255, 255);
    m_c.Label12 = MakeLabel(f, "Label12", "Mic-E msg");
    Place(m_c.Label12, 2160, 255, 855, 255);
    m_c.cbMicEMsg = new QComboBox(f);
    m_c.cbMicEMsg->setObjectName(QStringLiteral("cbMicEMsg"));
    m_c.cbMicEMsg->setFont(FormFont(QStringLiteral("Small Fonts"), 6.75));
    Place(m_c.cbMicEMsg, 3000, 240, 1095, 285);
    m_c.cmdLatLon = MakeButton<WrapButton>(f, "cmdLatLon", "Calculate GPSless Bcn");
    QPalette green = m_c.cmdLatLon->palette();
    green.setColor(QPalette::Button, kLatLonGreen);
    m_c.cmdLatLon->setPalette(green);
    Place(m_c.cmdLatLon, 3000, 200, 1095, 495);
    Place(MakeLabel(f, "Label7", "ICON Symbol"), 100, 610, 975, 255);
    m_c.edSymbol = MakeField(f, QStringLiteral("edSymbol"), m_model.tracker.edSymbol);
    Place(m_c.edSymbol, 1200, 600, 255, 255);
    m_c.chkTable = MakeCheck(f, "chkTable", "Alternate Table");
    Place(m_c.chkTable, 1600, 600, 1400, 255);
    Place(MakeLabel(f, "Label4", "MY CALLSIGN"), 100, 980, 1095, 255);
    m_c.edMyCall = MakeField(f, QStringLiteral("edMyCall"), m_model.tracker.edMyCall);
    Place(m_c.edMyCall, 1200, 960, 1095, 255);
    Place(MakeLabel(f, "Label30", "Status txt every"), 2415, 960, 1215, 255);
    m_c.edBcnEvery = MakeField(f, QStringLiteral("edBcnEvery"), m_model.tracker.edBcnEvery);
    Place(m_c.edBcnEvery, 3555, 960, 390, 255);
    Place(MakeLabel(f, "Label32", "tx"), 3975, 960, 195, 255);
    Place(MakeLabel(f, "Label5", "APRS PATH"), 100, 1345, 975, 255);
    m_c.edAprsPath = MakeField(f, QStringLiteral("edAprsPath"), m_model.tracker.edAprsPath);
    Place(m_c.edAprsPath, 1200, 1320, 1695, 255);
    m_c.edAprsPath->setToolTip(QStringLiteral("Max 2 digipeater addresses"));
    m_c.Label6 = MakeLabel(f, "Label6", "STATUS Text");
    Place(m_c.Label6, 90, 1695, 1120, 165);
    m_c.edBeacon = MakeField(f, QStringLiteral("edBeacon"), m_model.tracker.edBeacon);
    Place(m_c.edBeacon, 1200, 1665, 2900, 270);
    m_c.edBeacon->setToolTip(QStringLiteral("Max 29 chars. Enter aprs Lat/Lon in GPSless Mode."));
    m_c.Label34 = MakeLabel(f, "Label34", "[29]");
    Place(m_c.Label34, 3840, 1910, 255, 255);
    m_c.chkRxPosition =
        MakeCheck(f, "chkRxPosition", "Disable display position of received stations");
    Place(m_c.chkRxPosition, 100, 1980, 3375, 255);
}

void MainWindow::buildFrame2()
{
    QGroupBox *f = m_c.Frame2 = MakeFrame(this, "Frame2", "Timing  Settings");
    Place(f, 60, 2280, 4215, 2490);

    QGroupBox *manual = m_c.frManual = MakeFrame(f, "frManual", "Manual Timing");
    Place(manual, 120, 240, 1455, 615);
    Place(MakeLabel(manual, "Label15", "Every"), 80, 250, 495, 255);
    m_c.edManualTime =
        MakeField(manual, QStringLiteral("edManualTime"), m_model.tracker.edManualTime);
    Place(m_c.edManualTime, 540, 255, 525, 255);
    Place(MakeLabel(manual, "Label29", "sec."), 1060, 250, 280, 255);

    QGroupBox *gps = m_c.Frame5 = MakeFrame(f, "Frame5", "GPS");
    Place(gps, 120, 840, 1455, 1575);
    Place(MakeLabel(gps, "Label36", "Acquisition interval"), 60, 240, 1335, 225);
    Place(MakeLabel(gps, "Label37", "Every"), 100, 480, 495, 255);
    m_c.edGpsCheckTime =
        MakeField(gps, QStringLiteral("edGpsCheckTime"), m_model.tracker.edGpsCheckTime);
    Place(m_c.edGpsCheckTime, 570, 480, 420, 255);
    Place(MakeLabel(gps, "Label35", "sec."), 1000, 480, 300, 255);
    Place(MakeLabel(gps, "Label9", "Acquisition timeout"), 60, 840, 1335, 225);
    m_c.edGpsAcqTime = MakeField(gps, QStringLiteral("edGpsAcqTime"), m_model.tracker.edGpsAcqTime);
    Place(m_c.edGpsAcqTime, 120, 1065, 405, 255);
    Place(MakeLabel(gps, "Label11", "x 100 mS"), 540, 1065, 705, 255);
    m_c.Label33 = MakeLabel(gps, "Label33", "(0=GPSless Mode)");
    m_c.Label33->setFont(FormFont(QStringLiteral("Small Fonts"), 6.75));
    Place(m_c.Label33, 100, 1320, 1220, 165);

    QGroupBox *autoTiming = m_c.frAuto = MakeFrame(f, "frAuto", "Automatic Timing");
    Place(autoTiming, 1680, 240, 2415, 2175);
    static const char *const rowLabels[kSpeedBands][2] = {
        {"Label22", "Speed 0-3 Km/h"},   {"Label23", "Speed 4-9 Km/h"},
        {"Label24", "Speed 10-22 Km/h"}, {"Label25", "Speed 23-40 Km/h"},
        {"Label26", "Speed 41-72 Km/h"}, {"Label27", "Speed 73-125 Km/h"},
        {"Label28", "Speed > 125 Km/h"}};
    static const char *const secLabels[kSpeedBands] = {"Label14", "Label16", "Label17", "Label18",
                                                       "Label19", "Label20", "Label21"};
    for (int i = 0; i < kSpeedBands; ++i) {
        const int top = 240 + 240 * i;
        const auto band = static_cast<size_t>(i);
        Place(MakeLabel(autoTiming, rowLabels[i][0], rowLabels[i][1]), 120, top, 1455, 255);
        const QString name = QStringLiteral("esSpeedTable(%1)").arg(i);
        m_c.esSpeedTable[band] = MakeField(autoTiming, name, m_model.tracker.esSpeedTable[band]);
        if (i < 2)
            Place(m_c.esSpeedTable[band], 1485, top, 540, 255);
        else
            Place(m_c.esSpeedTable[band], 1600, top, 425, 255);
        Place(MakeLabel(autoTiming, secLabels[i], "sec."), 2040, top, 300, 255);
    }
}

void MainWindow::buildFrame3()
{
    QGroupBox *f = m_c.Frame3 = MakeFrame(this, "Frame3", "Message Settings");
    Place(f, 60, 4800, 4215, 1500);
    Place(MakeLabel(f, "Label2", "APRS message TO CALL"), 60, 250, 1935, 255);
    m_c.edDestCall = MakeField(f, QStringLiteral("edDestCall"), m_model.tracker.edDestCall);
    Place(m_c.edDestCall, 2040, 235, 1095, 255);
    Place(MakeLabel(f, "Label3", "Message"), 60, 565, 1095, 255);
    m_c.edAprsMsg = MakeField(f, QStringLiteral("edAprsMsg"), m_model.tracker.edAprsMsg);
    Place(m_c.edAprsMsg, 720, 555, 3430, 270);
    m_c.edAprsMsg->setToolTip(QStringLiteral("Max 38 chars."));
    m_c.Label13 = MakeLabel(f, "Label13", "[38]");
    Place(m_c.Label13, 3880, 800, 255, 255);
    Place(MakeLabel(f, "Label31", "Msg Retries"), 60, 910, 975, 255);
    m_c.edMsgRepeat = MakeField(f, QStringLiteral("edMsgRepeat"), m_model.tracker.edMsgRepeat);
    Place(m_c.edMsgRepeat, 960, 895, 405, 255);
    m_c.chkAutoReply =
        MakeCheck(f, "chkAutoReply", "Auto send message when receiving msg to MYCALL");
    Place(m_c.chkAutoReply, 120, 1200, 4000, 255);
}

void MainWindow::buildFrame6()
{
    QGroupBox *f = m_c.Frame6 = MakeFrame(this, "Frame6", "Configuration / Programming");
    Place(f, 60, 6325, 4215, 1200);
    m_c.cmdDefault = MakeButton(f, "cmdDefault", "Default");
    Place(m_c.cmdDefault, 120, 240, 850, 375);
    m_c.cmdSave = MakeButton(f, "cmdSave", "Save");
    Place(m_c.cmdSave, 1680, 240, 850, 375);
    m_c.cmdLoad = MakeButton(f, "cmdLoad", "Load");
    Place(m_c.cmdLoad, 3240, 240, 850, 375);
    m_c.Label1 = MakeLabel(f, "Label1", "Comm num:");
    Place(m_c.Label1, 120, 810, 855, 255);
    m_c.edComm = MakeField(f, QStringLiteral("edComm"), m_model.tracker.edComm);
    Place(m_c.edComm, 1080, 810, 255, 255);
    m_c.cmdSend = MakeButton(f, "cmdSend", "SEND");
    Place(m_c.cmdSend, 1560, 720, 1095, 375);
    m_c.cmdHelp = MakeButton(f, "cmdHelp", "Help (F1)");
    Place(m_c.cmdHelp, 3240, 720, 850, 375);
}

// The Mic-E selector and the check boxes show their model objects and write
// the operator's choices into them.
void MainWindow::bindChoices()
{
    ListChoice &mic = m_model.tracker.cbMicEMsg;
    m_c.cbMicEMsg->addItems(mic.items());
    m_c.cbMicEMsg->setCurrentIndex(mic.index());
    connect(&mic, &ListChoice::changed, m_c.cbMicEMsg,
            [this, &mic] { m_c.cbMicEMsg->setCurrentIndex(mic.index()); });
    connect(m_c.cbMicEMsg, &QComboBox::currentIndexChanged, this,
            [&mic](int index) { (void)mic.setIndex(index); });

    const std::pair<QCheckBox *, CheckBox *> boxes[] = {
        {m_c.chkTable, &m_model.tracker.chkTable},
        {m_c.chkRxPosition, &m_model.tracker.chkRxPosition},
        {m_c.chkAutoReply, &m_model.tracker.chkAutoReply}};
    for (auto [box, value] : boxes) {
        auto show = [box, value] { box->setCheckState(ToQtCheckState(value->value())); };
        show();
        connect(value, &CheckBox::changed, box, show);
        connect(box, &QCheckBox::stateChanged, value, [value](int state) {
            const int stored = FromQtCheckState(state);
            if (stored != value->value())
                (void)value->setValue(stored);
        });
    }
}

QList<QWidget *> MainWindow::tabOrder() const
{
    QList<QWidget *> order = {m_c.edNumFlagsAuto, m_c.cbMicEMsg, m_c.edSymbol,
                              m_c.chkTable,       m_c.edMyCall,  m_c.edBcnEvery,
                              m_c.edAprsPath,     m_c.edBeacon,  m_c.edManualTime};
    for (MaskedLineEdit *band : m_c.esSpeedTable)
        order.append(band);
    order << m_c.edGpsCheckTime << m_c.edGpsAcqTime << m_c.edMsgRepeat << m_c.edDestCall
          << m_c.edAprsMsg << m_c.edComm << m_c.cmdSend << m_c.cmdLoad << m_c.cmdSave
          << m_c.cmdDefault << m_c.cmdHelp << m_c.chkRxPosition << m_c.chkAutoReply
          << m_c.cmdLatLon;
    return order;
}

void MainWindow::applyTabOrder()
{
    const QList<QWidget *> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace tarvek::ui
