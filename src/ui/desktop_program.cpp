#include "ui/desktop_program.h"

#include <QApplication>
#include <QSslCertificate>
#include <QWebEngineCookieStore>
#include <QWebEngineSettings>

#include "app/lifecycle.h"
#include "session/certificate_authority.h"

namespace tesmira::ui {

DesktopProgram::DesktopProgram(DesktopConfig config)
    : config_(std::move(config)), profile_(std::make_unique<QWebEngineProfile>()) {
    // A profile without a storage name is off the record: the login session
    // lives in memory only and never outlives the program.
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile_->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    if (config_.requestOptions.userAgent.empty())
        config_.requestOptions.userAgent = profile_->httpUserAgent().toStdString();
    bridge_ = std::make_unique<CookieBridge>(*profile_->cookieStore(), cookies_);

    MainWindowOptions options;
    options.profile = profile_.get();
    options.certificatePolicy = trustAuthorityFile(config_.trustedAuthorityFile);
    options.pauseScale = config_.pauseScale;
    options.endProcess =
        config_.endProcess ? config_.endProcess : [] { QCoreApplication::exit(0); };
    window_ = std::make_unique<MainWindow>(std::move(options));
    program_ = std::make_unique<Program>(Program{.state = {},
                                                 .hosts = config_.hosts,
                                                 .settingsDirectory = config_.settingsDirectory,
                                                 .cookies = cookies_,
                                                 .controls = window_->controls(*config_.clock)});
}

DesktopProgram::~DesktopProgram() {
    releaseSharedState(program_->state);
    // The window and its panes go before the profile they browse with.
    window_.reset();
    bridge_.reset();
}

void DesktopProgram::start() {
    window_->show();
    onMainWindowCreated(*program_, config_.requestOptions);
    window_->attach(*program_);
}

CertificatePolicy trustAuthorityFile(const std::string& caFile) {
    if (caFile.empty())
        return nullptr;
    return [caFile](const QList<QSslCertificate>& chain, const QString& hostName) {
        std::vector<std::string> der;
        for (const QSslCertificate& certificate : chain) {
            const QByteArray bytes = certificate.toDer();
            der.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        }
        return chainIssuedBy(der, caFile, hostName.toStdString());
    };
}

int runDesktop(int& argc, char** argv, const std::function<DesktopConfig()>& configure) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    DesktopProgram program(configure());
    program.start();
    return QApplication::exec();
}

}  // namespace tesmira::ui
