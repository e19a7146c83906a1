#include "plant_link.h"

#include "plant_payloads.h"
#include "plant_worker.h"

namespace vt {

PlantLink::PlantLink(PlantOptions options, PlantTuning tuning, QObject* parent)
    : QObject(parent), m_options(std::move(options)) {
    qRegisterMetaType<PlantLinkState>();
    m_thread.setObjectName(QStringLiteral("plant"));
    m_worker = new PlantWorker(m_options, tuning);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &PlantWorker::stateChanged, this, [this](const PlantLinkState& state) {
        m_state = state;
        emit stateChanged(state);
    });
    m_thread.start();
}

PlantLink::~PlantLink() {
    QMetaObject::invokeMethod(m_worker, &PlantWorker::stop, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void PlantLink::start() { QMetaObject::invokeMethod(m_worker, &PlantWorker::start); }

void PlantLink::publishLive(const LiveSample& sample) {
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, sample] { worker->takeLive(sample); });
}

void PlantLink::publishStatus(const StationStatus& status) {
    QMetaObject::invokeMethod(m_worker,
                              [worker = m_worker, status] { worker->takeStatus(status); });
}

void PlantLink::publishSettings(const StationSettings& settings) {
    QMetaObject::invokeMethod(m_worker,
                              [worker = m_worker, settings] { worker->takeSettings(settings); });
}

void PlantLink::publishJournal(const JournalRecord& record) {
    publishEvent(PlantTopicName::Journal, JournalBody(record));
}

void PlantLink::publishEvent(const QString& topic, const QJsonObject& body) {
    const QDateTime now = QDateTime::currentDateTime();
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, topic, body, now] { worker->takeEvent(topic, body, now); });
}

}  // namespace vt
