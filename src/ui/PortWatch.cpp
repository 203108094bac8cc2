#include "PortWatch.h"

namespace tarvek::ui
{

PortWatch::PortWatch(const serial::PortSource &source, Listener listener, QObject *parent)
    : QObject(parent), m_source(source), m_listener(std::move(listener))
{
    m_worker.setMaxThreadCount(1);
    // The next survey waits its interval after the last one's answer, so
    // surveys never pile up on a slow machine.
    m_timer.setSingleShot(true);
    m_timer.setInterval(kInterval);
    connect(&m_timer, &QTimer::timeout, this, &PortWatch::surveyInBackground);
}

PortWatch::~PortWatch()
{
    m_worker.waitForDone();
}

void PortWatch::start()
{
    m_running = true;
    if (!m_surveying)
        surveyInBackground();
}

void PortWatch::stop()
{
    m_running = false;
    m_timer.stop();
}

void PortWatch::surveyInBackground()
{
    m_surveying = true;
    m_worker.start([this] {
        serial::PortSurvey survey = m_source.survey();
        // Queued to this object's thread; dropped if the watch is gone by then.
        QMetaObject::invokeMethod(
            this, [this, survey = std::move(survey)] { onSurveyed(survey); }, Qt::QueuedConnection);
    });
}

void PortWatch::onSurveyed(const serial::PortSurvey &survey)
{
    m_surveying = false;
    if (!m_running)
        return;
    m_listener(survey);
    m_timer.start();
}

} // namespace tarvek::ui
