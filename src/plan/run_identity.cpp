#include "plan/run_identity.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSysInfo>
#include <QUuid>
#include <QtGlobal>

namespace rb::plan {

std::string newRunId() { return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(); }

std::string stationName() { return QSysInfo::machineHostName().toStdString(); }

std::string operatorName() {
    for (const char* name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value.toStdString();
    }
    return "unknown";
}

std::string sha256Hex(const std::string& bytes) {
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray(bytes.data(), qsizetype(bytes.size())), QCryptographicHash::Sha256);
    return hash.toHex().toStdString();
}

units::TestRun startRun(const std::string& planPath, const std::string& planBytes,
                        std::int64_t startMs) {
    units::TestRun run;
    run.runId = newRunId();
    run.station = stationName();
    run.operatorName = operatorName();
    run.planFile = QFileInfo(QString::fromStdString(planPath)).fileName().toStdString();
    run.planSha256 = sha256Hex(planBytes);
    run.startMs = startMs;
    return run;
}

}  // namespace rb::plan
