// Start-up cost of Maltwright against a bare Qt main window, both started as
// programs in the same run.
//
// Ours: the whole process from launching `maltwright` to its frame on screen,
// the four stores opened on the way (behind the splash); the splash's own display
// time is set to nothing (MALTWRIGHT_SPLASH_MS=0), so it closes as soon as the
// stores are open. Baseline: this program launched again with
// --bare, a QApplication and a QMainWindow with a title, one menu and a status
// bar, from launch to the window on screen.
// Both children write steady-clock stamps (MALTWRIGHT_STARTUP_REPORT) and quit
// once on screen; the same data folder (defaults confirmed) serves every run.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace
{

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Launches a program and reads its start-up stamps; empty when it failed.
std::map<QString, long long> launch(const QString &program, const QStringList &args, long long &launchedAt)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MALTWRIGHT_STARTUP_REPORT"), QStringLiteral("1"));
    env.insert(QStringLiteral("MALTWRIGHT_SPLASH_MS"), QStringLiteral("0"));
    p.setProcessEnvironment(env);
    launchedAt = nowNs();
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "startup_bench: %s failed (exit %d): %s\n", qPrintable(program), p.exitCode(),
            p.readAllStandardError().constData());
        return {};
    }
    std::map<QString, long long> stamps;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            stamps[QString::fromLatin1(parts[0])] = parts[1].toLongLong();
    }
    return stamps;
}

int bare(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The least a desktop program shows: a title, one menu and a status bar.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(900, 640);
    window.show();
    QTimer::singleShot(0, &window, [] {
        std::printf("frame-shown %lld\n", nowNs());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return bare(argc, argv);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const QString maltwright = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/maltwright");
    if (!QFile::exists(maltwright)) {
        std::fprintf(
            stderr, "startup_bench: %s is missing; build the maltwright target first\n", qPrintable(maltwright));
        return 1;
    }
    QTemporaryDir data;
    {
        QFile ini(data.filePath(QStringLiteral("Maltwright.ini")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Defaults]\nDefaultsSetYN=1\n");
    }
    const QStringList oursArgs { QStringLiteral("--data-dir"), data.path() };

    const int runs = 11;
    std::vector<double> ours, baseline;
    for (int i = 0; i < runs + 1; ++i) {
        long long t0 = 0, t1 = 0;
        const auto o = launch(maltwright, oursArgs, t0);
        const auto b = launch(self, { QStringLiteral("--bare") }, t1);
        if (o.size() != 3 || b.size() != 1) {
            std::fprintf(stderr, "startup_bench: a start-up did not report\n");
            return 1;
        }
        if (i == 0)
            continue; // the first start registers the help pages and warms the caches
        ours.push_back((o.at(QStringLiteral("frame-shown")) - t0) / 1e9);
        baseline.push_back((b.at(QStringLiteral("frame-shown")) - t1) / 1e9);
    }
    const double o = median(ours), b = median(baseline);
    std::printf("bench startup ours=%.6f baseline=%.6f ratio=%.2f\n", o, b, b > 0 ? o / b : 0.0);
    return 0;
}
