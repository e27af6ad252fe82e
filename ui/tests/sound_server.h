#pragma once

// A sound server of the test's own: PulseAudio with one null sink, reached through a socket in a
// fresh directory, and a recording of that sink's monitor (parec) from the start. This process
// and everything it starts play into it once PULSE_SERVER names it, which the constructor sets
// (the engine reads it once, when a page first plays).
// It runs as root as well as not: no session, no D-Bus, no cookie, no autospawn.

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>

class TestSoundServer final {
public:
    static constexpr int kRate = 8000; // mono, 16 bits: enough to tell sound from silence

    TestSoundServer() {
        const QString dir = m_dir.path();
        const QString socket = dir + QStringLiteral("/native");
        QFile config(dir + QStringLiteral("/server.pa"));
        config.open(QIODevice::WriteOnly);
        config.write("load-module module-null-sink sink_name=quiet\n"
                     "load-module module-native-protocol-unix auth-anonymous=1 socket=" +
                     socket.toUtf8() + "\nset-default-sink quiet\n");
        config.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
        environment.remove(QStringLiteral("DISPLAY")); // no X11 session bus to look for
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("-F"), config.fileName(),
                        QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm=yes"),
                        QStringLiteral("--log-level=error")});
        if (!m_server.waitForStarted(10000))
            throw std::runtime_error("pulseaudio does not start");
        m_address = QStringLiteral("unix:") + socket;
        qputenv("PULSE_SERVER", m_address.toUtf8());
        // The socket is there once the server answers.
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QTest::qWait(50);
        m_recording = dir + QStringLiteral("/monitor.raw");
        m_recorder.setProcessEnvironment(environment);
        m_recorder.setStandardOutputFile(m_recording);
        m_recorder.start(QStringLiteral("parec"),
                         {QStringLiteral("--server=") + m_address,
                          QStringLiteral("--device=quiet.monitor"),
                          QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                          QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--raw"),
                          QStringLiteral("--latency-msec=50")});
        if (!m_recorder.waitForStarted(10000))
            throw std::runtime_error("parec does not start");
        // The recording runs once its first silence arrives.
        for (int i = 0; i < 100 && RecordedBytes() == 0; ++i)
            QTest::qWait(50);
    }
    ~TestSoundServer() {
        for (QProcess* process : {&m_recorder, &m_server}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished(5000);
        }
        qunsetenv("PULSE_SERVER");
    }
    TestSoundServer(const TestSoundServer&) = delete;
    TestSoundServer& operator=(const TestSoundServer&) = delete;

    bool Recording() const { return RecordedBytes() > 0; }

    // The loudness of what the sink plays over the next `ms` milliseconds (the event loop runs
    // meanwhile): the root mean square of the samples, 0 for silence, 32767 at most.
    double LevelOver(int ms) {
        const std::int64_t from = RecordedBytes();
        QTest::qWait(ms);
        std::ifstream file(m_recording.toStdString(), std::ios::binary);
        file.seekg(from);
        double sum = 0;
        std::int64_t count = 0;
        std::int16_t sample = 0;
        while (file.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
            sum += double(sample) * sample;
            ++count;
        }
        return count == 0 ? 0 : std::sqrt(sum / double(count));
    }

private:
    std::int64_t RecordedBytes() const { return QFileInfo(m_recording).size(); }

    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_recorder;
    QString m_address;
    QString m_recording;
};
