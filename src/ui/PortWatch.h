#pragma once
// Keeps a list of the serial ports up to date while it is shown: surveys the
// ports at once, then again every 1.5 s, so adapters plugged in or pulled out
// show up. A survey reads /proc and the device list, which can take a while
// on a busy machine, so it runs on a thread of its own and the window goes
// on answering meanwhile; the result is handed over on the window's thread.
#include "PortSurvey.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <chrono>
#include <functional>

namespace tarvek::ui
{

class PortWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kInterval{1500};

    using Listener = std::function<void(const serial::PortSurvey &)>;

    // `source` must outlive the watch; `listener` gets each survey while the
    // watch runs.
    PortWatch(const serial::PortSource &source, Listener listener, QObject *parent = nullptr);
    // Waits for a survey under way.
    ~PortWatch() override;

    void start();
    // No survey is handed over after this, not even one under way.
    void stop();

private:
    void surveyInBackground();
    void onSurveyed(const serial::PortSurvey &survey);

    const serial::PortSource &m_source;
    Listener m_listener;
    QTimer m_timer;
    QThreadPool m_worker;
    bool m_running = false;   // between start() and stop()
    bool m_surveying = false; // a survey is under way
};

} // namespace tarvek::ui
