// The desktop program's figures, each against a reference measured in the
// same run:
//  - start-up: process start to the login page loaded in the pane, against a
//    bare QWebEngineView process loading the same page;
//  - memory: resident memory after login with 10 and with 10,000 orders;
//  - the longest the UI thread is kept busy by the program's own work (the
//    time spent waiting for the marketplace taken out) during a session start
//    with 1,000 orders.
// The driver runs the simulated marketplace and starts itself again as the
// measured process, so that each measurement has a process of its own.

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "demo_scenario.h"
#include "marketplace.h"
#include "session/certificate_authority.h"
#include "support/fixed_clock.h"
#include "support/resident_memory.h"
#include "support/temporary_directory.h"
#include "ui/desktop_program.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

bool isLoginPage(const QUrl& url) {
    return url.path() == "/member/login.jhtml";
}

// --- the measured processes ----------------------------------------------

int bareView(const QString& address, const std::string& caFile) {
    QWebEngineProfile profile;
    QWebEnginePage page(&profile);
    QObject::connect(
        &page, &QWebEnginePage::certificateError,
        [caFile](const QWebEngineCertificateError& error) {
            // The same check the program makes, so that both pay for it.
            QWebEngineCertificateError answer = error;
            std::vector<std::string> chain;
            for (const QSslCertificate& certificate : error.certificateChain()) {
                const QByteArray der = certificate.toDer();
                chain.emplace_back(der.constData(), der.size());
            }
            if (tesmira::chainIssuedBy(chain, caFile, error.url().host().toStdString()))
                answer.acceptCertificate();
            else
                answer.rejectCertificate();
        });
    QWebEngineView view;
    view.setPage(&page);
    view.resize(1200, 1080);
    view.show();
    QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool ok) {
        if (ok && isLoginPage(page.url())) {
            say("loaded");
            QCoreApplication::exit(0);
        }
    });
    view.setUrl(QUrl(address));
    const int code = QApplication::exec();
    view.setPage(nullptr);
    return code;
}

tesmira::ui::DesktopConfig configFor(int port, int httpPort, const std::string& caFile,
                                     const std::filesystem::path& settings,
                                     const tesmira::Clock& clock) {
    tesmira::ui::DesktopConfig config;
    config.hosts = marketsim::hostsOnPorts(port, httpPort);
    config.settingsDirectory = settings;
    config.requestOptions.extraCaFile = caFile;
    config.trustedAuthorityFile = caFile;
    config.clock = &clock;
    // The pauses between lookups let the window breathe; shortened, they
    // still hand the thread back to the event loop each time.
    config.pauseScale = 0.002;
    return config;
}

int programStart(int port, int httpPort, const std::string& caFile) {
    tesmira::test::TemporaryDirectory settings;
    tesmira::ui::DesktopProgram program(
        configFor(port, httpPort, caFile, settings.path(), tesmira::systemClock()));
    QWebEngineView& pane = program.window().loginBrowserView();
    QObject::connect(pane.page(), &QWebEnginePage::loadFinished, [&](bool ok) {
        if (ok && isLoginPage(pane.url())) {
            say("loaded");
            QCoreApplication::exit(0);
        }
    });
    program.start();
    return QApplication::exec();
}

// Logs in through the pane and reports, once the lists and deadlines are in,
// the resident memory and the longest busy stretch of the UI thread.
int session(int port, int httpPort, const std::string& caFile) {
    tesmira::test::TemporaryDirectory settings;
    const tesmira::test::FixedClock clock(tesmira::localTimeOf(2026, 12, 11, 9, 0, 0));
    tesmira::ui::DesktopProgram program(configFor(port, httpPort, caFile, settings.path(), clock));
    QWebEngineView& pane = program.window().loginBrowserView();
    bool loggingIn = false;
    QObject::connect(pane.page(), &QWebEnginePage::loadFinished, [&](bool ok) {
        if (ok && isLoginPage(pane.url()) && !loggingIn) {
            loggingIn = true;
            const marketsim::Account account;
            // After the page's own switch to the password form has run.
            QTimer::singleShot(200, [&pane, account] {
                pane.page()->runJavaScript(QString::fromStdString(
                    "document.getElementById('TPL_username_1').value='" + account.loginName +
                    "';document.getElementById('TPL_password_1').value='" + account.password +
                    "';document.getElementById('J_SubmitStatic').click();"));
            });
        }
    });

    // A busy stretch runs from the moment the event loop wakes to the moment
    // it next waits; the marketplace's answer times within it are taken out.
    auto awakeAt = Clock::now();
    std::chrono::microseconds waitAtAwake{0}, longest{0};
    const auto networkWait = [&] {
        const auto& request = program.program().state.httpRequest;
        return request ? request->networkWait() : std::chrono::microseconds{0};
    };
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] {
        awakeAt = Clock::now();
        waitAtAwake = networkWait();
    });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] {
        if (!loggingIn)
            return;
        const auto busy =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - awakeAt) -
            (networkWait() - waitAtAwake);
        longest = std::max(longest, busy);
    });

    const auto started = Clock::now();
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (program.window().statusText().text() != QStringLiteral("数据读取完成！"))
            return;
        done.stop();
        say("rows " + std::to_string(program.window().pendingListView().topLevelItemCount() +
                                     program.window().ratedListView().topLevelItemCount()));
        say("rss " + std::to_string(tesmira::test::residentKilobytes()));
        say("longest " + std::to_string(longest.count()));
        say("network " + std::to_string(networkWait().count()));
        say("seconds " +
            std::to_string(std::chrono::duration<double>(Clock::now() - started).count()));
        QCoreApplication::exit(0);
    });
    done.start(50);
    program.start();
    return QApplication::exec();
}

// --- the driver ---------------------------------------------------------------

struct Child {
    pid_t pid = -1;
    int output = -1;
};

Child spawnSelf(const char* self, std::vector<std::string> arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    arguments.insert(arguments.begin(), {self, "--child"});
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    Child child;
    if (posix_spawn(&child.pid, self, &actions, nullptr, argv.data(), environ) != 0)
        child.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    child.output = pipeEnds[0];
    return child;
}

// The child's lines until it ends (or `until` is seen, or the time is up).
std::vector<std::string> linesOf(Child& child, const std::string& until, int seconds) {
    std::vector<std::string> lines;
    std::string pending;
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < deadline) {
        pollfd waiting{child.output, POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = read(child.output, buffer, sizeof buffer);
        if (got <= 0)
            break;
        pending.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            lines.push_back(pending.substr(0, end));
            pending.erase(0, end + 1);
            if (lines.back() == until)
                return lines;
        }
    }
    return lines;
}

void finish(Child& child) {
    kill(child.pid, SIGTERM);
    int status = 0;
    waitpid(child.pid, &status, 0);
    close(child.output);
}

double startupSeconds(const char* self, std::vector<std::string> arguments) {
    const auto started = Clock::now();
    Child child = spawnSelf(self, std::move(arguments));
    const std::vector<std::string> lines = linesOf(child, "loaded", 120);
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    finish(child);
    return !lines.empty() && lines.back() == "loaded" ? seconds : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

long valueOf(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines)
        if (line.rfind(name + " ", 0) == 0)
            return std::atol(line.c_str() + name.size() + 1);
    return -1;
}

struct SessionFigures {
    long rows = -1, rssKb = -1, longestUs = -1;
    double seconds = -1;
};

SessionFigures runSession(const char* self, int orders) {
    marketsim::Marketplace marketplace(marketsim::demoScenario(orders));
    if (!marketplace.start())
        return {};
    Child child = spawnSelf(self, {"session", std::to_string(marketplace.port()),
                                   std::to_string(marketplace.httpPort()), marketplace.caFile()});
    const std::vector<std::string> lines = linesOf(child, "ended", 1200);
    finish(child);
    SessionFigures figures;
    figures.rows = valueOf(lines, "rows");
    figures.rssKb = valueOf(lines, "rss");
    figures.longestUs = valueOf(lines, "longest");
    for (const std::string& line : lines)
        if (line.rfind("seconds ", 0) == 0)
            figures.seconds = std::atof(line.c_str() + 8);
    return figures;
}

int drive(const char* self) {
    {
        marketsim::Marketplace marketplace(marketsim::demoScenario(20));
        if (!marketplace.start()) {
            std::fprintf(stderr, "the simulated marketplace does not start\n");
            return 1;
        }
        const std::string start = "https://" + marketplace.hosts().homeHost + "/my_taobao.htm";
        std::vector<double> bare, program;
        for (int round = 0; round < 5; ++round) {
            bare.push_back(startupSeconds(self, {"bare", start, marketplace.caFile()}));
            program.push_back(startupSeconds(
                self, {"program", std::to_string(marketplace.port()),
                       std::to_string(marketplace.httpPort()), marketplace.caFile()}));
        }
        const double floor = median(bare), ours = median(program);
        std::printf(
            "figure: start-up to the login page in the pane: %.2f s, a bare "
            "QWebEngineView %.2f s: %.2fx the floor (median of 5)\n",
            ours, floor, ours / floor);
    }
    const SessionFigures ten = runSession(self, 10);
    const SessionFigures many = runSession(self, 10000);
    std::printf(
        "figure: resident memory after login: %ld kB with %ld orders listed, %ld kB with "
        "%ld: %.2fx (%.2f kB per order)\n",
        ten.rssKb, ten.rows, many.rssKb, many.rows,
        static_cast<double>(many.rssKb) / static_cast<double>(ten.rssKb),
        static_cast<double>(many.rssKb - ten.rssKb) /
            static_cast<double>(std::max(1L, many.rows - ten.rows)));
    const SessionFigures thousand = runSession(self, 1000);
    std::printf(
        "figure: session start with %ld orders: the UI thread's longest busy stretch of "
        "its own work %.1f ms (the whole start %.1f s)\n",
        thousand.rows, static_cast<double>(thousand.longestUs) / 1000.0, thousand.seconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        QApplication application(argc, argv);
        const std::string mode = argv[2];
        if (mode == "bare" && argc == 5)
            return bareView(QString::fromUtf8(argv[3]), argv[4]);
        if (mode == "program" && argc == 6)
            return programStart(std::atoi(argv[3]), std::atoi(argv[4]), argv[5]);
        if (mode == "session" && argc == 6) {
            const int code = session(std::atoi(argv[3]), std::atoi(argv[4]), argv[5]);
            say("ended");
            return code;
        }
        return 2;
    }
    return drive(argv[0]);
}
