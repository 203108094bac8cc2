#pragma once
// The main window's controls that the program and the tests work with; each
// one's objectName is its control name in the form (MainWindowForm.cpp).
#include "TrackerSettings.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tarvek::ui
{

class MaskedLineEdit;

struct MainWindowControls {
    MaskedLineEdit *txDelay = nullptr, *symbol = nullptr, *callsign = nullptr,
                   *statusEvery = nullptr, *path = nullptr, *statusText = nullptr,
                   *manualInterval = nullptr, *gpsInterval = nullptr, *gpsTimeout = nullptr,
                   *messageTo = nullptr, *message = nullptr, *messageRetries = nullptr,
                   *port = nullptr;
    std::array<MaskedLineEdit *, config::kSpeedBands> speedIntervals{};
    QComboBox *micE = nullptr;
    QCheckBox *alternateTable = nullptr, *hideReceived = nullptr, *autoReply = nullptr;
    QPushButton *gpslessButton = nullptr, *defaultButton = nullptr, *saveButton = nullptr,
                *loadButton = nullptr, *sendButton = nullptr, *helpButton = nullptr;
    // Open the symbol picker and the port chooser; Tab passes them by.
    QToolButton *symbolButton = nullptr, *portButton = nullptr;
    // Labels whose look changes (field rules) or that carry a tooltip.
    QLabel *portLabel = nullptr, *statusTextLabel = nullptr, *micELabel = nullptr,
           *messageCounter = nullptr, *gpslessLabel = nullptr, *statusCounter = nullptr;
};

} // namespace tarvek::ui
