#include "TrackerSettings.h"

namespace tarvek
{

QStringList MicEMessageNames()
{
    return {QStringLiteral("Off Duty"),  QStringLiteral("En Route"),  QStringLiteral("In Service"),
            QStringLiteral("Returning"), QStringLiteral("Committed"), QStringLiteral("Special"),
            QStringLiteral("Priority"),  QStringLiteral("Emergency")};
}

TrackerSettings::TrackerSettings() : cbMicEMsg(MicEMessageNames())
{
}

CalculatorSettings::CalculatorSettings()
{
    (void)txtLat.setText(QStringLiteral("00.00.00"));
    (void)txtLng.setText(QStringLiteral("00.00.00"));
    (void)chkCent.setValue(CheckBox::Checked);
}

namespace
{

// Default texts always fit their fields; a refusal here is a programming error.
void WriteDefault(MaskedField &field, const char *text)
{
    const bool taken = field.setText(QString::fromLatin1(text));
    Q_ASSERT(taken);
    (void)taken;
}

} // namespace

void LoadDefaults(TrackerSettings &s)
{
    WriteDefault(s.edComm, "1");
    WriteDefault(s.edNumFlagsAuto, "200");
    WriteDefault(s.edMsgRepeat, "008");
    (void)s.cbMicEMsg.setIndex(0);
    WriteDefault(s.edSymbol, ">");
    (void)s.chkTable.setValue(CheckBox::Unchecked);
    (void)s.chkRxPosition.setValue(CheckBox::Unchecked);
    const char *const speeds[kSpeedBands] = {"0480", "0360", "250", "180", "130", "110", "090"};
    for (int i = 0; i < kSpeedBands; ++i)
        WriteDefault(s.esSpeedTable[static_cast<size_t>(i)], speeds[i]);
    WriteDefault(s.edManualTime, "0300");
    WriteDefault(s.edBcnEvery, "003");
    WriteDefault(s.edGpsCheckTime, "100");
    WriteDefault(s.edGpsAcqTime, "025");
    WriteDefault(s.edMyCall, "NOCALL-9");
    WriteDefault(s.edAprsPath, "WIDE1-1,WIDE2-2");
    WriteDefault(s.edBeacon, "Tarvek, ver3.0, by QX0ZZZ Max");
    WriteDefault(s.edDestCall, "NOCALL");
    WriteDefault(s.edAprsMsg, "Message sent using Tarvek, version 3.0");
    (void)s.chkAutoReply.setValue(CheckBox::Unchecked);
}

} // namespace tarvek
