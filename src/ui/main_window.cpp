#include "ui/main_window.h"

#include <QCursor>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>

#include "app/lifecycle.h"
#include "orders/rating_schedule.h"
#include "rating/rating_commands.h"
#include "session/login_watcher.h"
#include "ui/flat_button.h"
#include "ui/gbk_qt.h"
#include "ui/popup_browser_window.h"
#include "ui/settings_window.h"

namespace tesmira::ui {
namespace {

const QColor windowBackground(128, 128, 255);
const QColor listBackground(206, 232, 255);
const QColor titleBandColour(96, 96, 224);

}  // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : options_(std::move(options)),
      titleShape_(this),
      logoPicture_(&titleShape_),
      titleLabel_(&titleShape_),
      titleCanvas_(&titleShape_),
      settingsButton_(&titleShape_),
      minimizeButton_(&titleShape_),
      closeButton_(&titleShape_),
      overlayLabel1_(this),
      overlayLabel2_(this),
      pendingView_(this),
      ratedView_(this),
      loginPage_(new BrowserPage(options_.profile, options_.certificatePolicy, this)),
      loginView_(this),
      statusBar_(this),
      statusFixedPart_(&statusBar_),
      statusPart_(&statusBar_),
      orderMenu_(QStringLiteral("系统"), this),
      pendingList_(pendingView_, {{QStringLiteral("订单编号"), 110, Qt::AlignLeft},
                                  {QStringLiteral("买家名称"), 150, Qt::AlignLeft},
                                  {QStringLiteral("确认收货时间"), 130, Qt::AlignLeft},
                                  {QStringLiteral("到期天数"), 60, Qt::AlignCenter}}),
      ratedList_(ratedView_, {{QStringLiteral("订单编号"), 120, Qt::AlignLeft},
                              {QStringLiteral("买家名称"), 150, Qt::AlignLeft},
                              {QStringLiteral("评价状态"), 90, Qt::AlignLeft}}),
      status_(statusFixedPart_, statusPart_),
      autoRateTimer_([this] {
          if (program_)
              autoRateTick(*program_);
      }),
      refreshTimer_([this] {
          if (program_)
              refreshTick(*program_);
      }),
      loginBrowser_(loginView_, {&titleShape_, &statusBar_}),
      tray_([this] {
          if (program_)
              restoreFromTray(*program_);
      }),
      pause_(options_.pauseScale) {
    loginView_.setPage(loginPage_);
    layOut();
}

MainWindow::~MainWindow() {
    // The pane's page goes before the view that shows it.
    loginView_.setPage(nullptr);
    delete loginPage_;
}

Controls MainWindow::controls(const Clock& clock) {
    return Controls{pendingList_,  ratedList_, status_,    autoRateTimer_, refreshTimer_,
                    loginBrowser_, *this,      clipboard_, tray_,          pause_,
                    *this,         pictures_,  clock};
}

void MainWindow::layOut() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Tesmira"));
    setFixedSize(925, 640);
    move(50, 50);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, windowBackground);
    setPalette(palette);

    // The pane lies lowest, under the lists, and reaches past the window's
    // edges so that only the part of a page that matters shows.
    loginView_.setGeometry(-256, -52, 1200, 1080);
    loginView_.lower();

    titleShape_.setGeometry(0, 0, 925, 64);
    titleShape_.setAutoFillBackground(true);
    QPalette band = titleShape_.palette();
    band.setColor(QPalette::Window, titleBandColour);
    titleShape_.setPalette(band);
    logoPicture_.setGeometry(8, 8, 48, 48);
    logoPicture_.setScaledContents(true);
    logoPicture_.setPixmap(logoPixmap());
    titleLabel_.setGeometry(64, 16, 288, 32);
    titleLabel_.setText(QStringLiteral("Tesmira"));
    titleLabel_.setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 16px;"));
    titleCanvas_.setGeometry(672, 0, 32, 32);
    titleCanvas_.hide();

    settingsButton_.setGeometry(720, 1, 48, 28);
    settingsButton_.setText(QStringLiteral("配置"));
    makeFlatButton(settingsButton_, QColor(128, 128, 255), QColor(0, 136, 255));
    settingsButton_.setEnabled(false);
    minimizeButton_.setGeometry(784, 1, 48, 28);
    minimizeButton_.setText(QStringLiteral("－"));
    makeFlatButton(minimizeButton_, QColor(128, 128, 255), QColor(0, 136, 255));
    closeButton_.setGeometry(848, 1, 72, 28);
    closeButton_.setText(QStringLiteral("×"));
    makeFlatButton(closeButton_, QColor(128, 0, 0), QColor(255, 0, 0));

    for (QLabel* caption : {&overlayLabel1_, &overlayLabel2_}) {
        caption->setAttribute(Qt::WA_TranslucentBackground);
        caption->setStyleSheet(QStringLiteral("font-weight: bold; background: transparent;"));
        caption->hide();
    }
    overlayLabel1_.setGeometry(16, 64, 100, 40);
    overlayLabel1_.setText(QStringLiteral("双方未评价订单"));
    overlayLabel2_.setGeometry(517, 64, 100, 40);
    overlayLabel2_.setText(QStringLiteral("买家已评价订单"));

    pendingView_.setGeometry(16, 97, 486, 508);
    ratedView_.setGeometry(516, 97, 392, 508);
    for (QTreeWidget* list : {&pendingView_, &ratedView_}) {
        QPalette colours = list->palette();
        colours.setColor(QPalette::Base, listBackground);
        list->setPalette(colours);
        // Small enough that a 16-digit order number fits its 110-pixel column.
        QFont font = list->font();
        font.setPixelSize(11);
        list->setFont(font);
        list->hide();
    }

    // A status bar keeps to the bottom of its window: 20 pixels high at the
    // foot of the 640.
    statusBar_.setGeometry(0, 640 - 20, 925, 20);
    statusBar_.setAutoFillBackground(true);
    statusFixedPart_.setGeometry(0, 0, 60, 20);
    statusPart_.setGeometry(60, 0, 865, 20);
    for (QLabel* part : {&statusFixedPart_, &statusPart_}) {
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setContentsMargins(2, 0, 2, 0);
    }
    statusFixedPart_.setText(QStringLiteral("当前状态"));

    copyOrderItem_ = orderMenu_.addAction(QStringLiteral("复制订单号"));
    orderMenu_.addSeparator();
    rateSelectedItem_ = orderMenu_.addAction(QStringLiteral("评价选中订单"));
}

void MainWindow::attach(Program& program) {
    program_ = &program;
    connectEvents();
    // The pane reports its start address like any other navigation; that one
    // must not hide it before the seller has logged in.
    const QUrl start(
        QString::fromStdString("https://" + program.hosts.homeHost + "/my_taobao.htm"));
    loginPage_->onAboutToNavigate = [this, start](const QUrl& url) {
        if (!startNavigationSeen_) {
            startNavigationSeen_ = true;
            if (url == start)
                return true;
        }
        aboutToNavigate(*program_, toGbk(url.toString(QUrl::FullyEncoded)));
        return true;
    };
    loginBrowser_.watchDocuments([this](const std::string& address, const std::string& html) {
        documentLoaded(*program_, address, html);
    });
    loginView_.setUrl(start);
}

void MainWindow::connectEvents() {
    Program& program = *program_;
    for (QWidget* band : {static_cast<QWidget*>(&titleShape_), static_cast<QWidget*>(&titleLabel_),
                          static_cast<QWidget*>(&logoPicture_)})
        band->installEventFilter(this);

    // The press and release looks follow the mouse button itself: a release
    // away from the button (a press taken back) gives the look back too.
    minimizeButton_.installEventFilter(this);
    closeButton_.installEventFilter(this);
    connect(&minimizeButton_, &QPushButton::clicked, this, [&program] { minimizeToTray(program); });
    connect(&closeButton_, &QPushButton::clicked, this, [&program] { quitProgram(program); });
    connect(&settingsButton_, &QPushButton::clicked, this, [this] { openSettings(); });

    connect(&pendingView_, &QTreeWidget::customContextMenuRequested, this,
            [this] { openOrderMenu(ListRole::pending); });
    connect(&ratedView_, &QTreeWidget::customContextMenuRequested, this,
            [this] { openOrderMenu(ListRole::rated); });
    connect(&pendingView_, &QTreeWidget::itemDoubleClicked, this,
            [&program] { pendingDoubleClick(program); });
    connect(&ratedView_, &QTreeWidget::itemDoubleClicked, this,
            [&program] { ratedDoubleClick(program); });
    connect(copyOrderItem_, &QAction::triggered, this, [&program] { copyOrderNumber(program); });
    connect(rateSelectedItem_, &QAction::triggered, this,
            [&program] { rateSelectedOrders(program); });
}

void MainWindow::openOrderMenu(ListRole list) {
    if (showOrderMenu(*program_, list))
        orderMenu_.exec(QCursor::pos() + QPoint(3, 3));
}

void MainWindow::openSettings() {
    SettingsWindow settings(*program_, this);
    settings.exec();
}

void MainWindow::openPopupWindow() {
    PopupBrowserWindow popup(*program_, options_.profile, options_.certificatePolicy, this);
    popup.exec();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &minimizeButton_ || watched == &closeButton_) {
        const bool press = event->type() == QEvent::MouseButtonPress;
        if ((press || event->type() == QEvent::MouseButtonRelease) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (watched == &minimizeButton_)
                setButtonLook(minimizeButton_, press ? QStringLiteral("_") : QStringLiteral("－"),
                              press ? QColor(88, 48, 224) : QColor(128, 128, 255));
            else
                setButtonLook(closeButton_, press ? QStringLiteral("＋") : QStringLiteral("×"),
                              press ? QColor(128, 128, 128) : QColor(255, 0, 0));
        }
        return false;
    }
    // The title band moves the window: by the window system's own move loop
    // where it has one, else by following the mouse.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) {
            if (windowHandle() == nullptr || !windowHandle()->startSystemMove())
                dragOffset_ = press->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        }
    } else if (event->type() == QEvent::MouseMove && dragOffset_) {
        move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *dragOffset_);
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease && dragOffset_) {
        dragOffset_.reset();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setWindowVisible(bool visible) {
    setVisible(visible);
}

void MainWindow::setTitle(std::string_view title) {
    setWindowTitle(fromGbk(title));
}

void MainWindow::setIcon(std::string_view iconBytes) {
    QPixmap pixmap;
    if (pixmap.loadFromData(reinterpret_cast<const uchar*>(iconBytes.data()),
                            static_cast<uint>(iconBytes.size()), "ICO"))
        setWindowIcon(QIcon(pixmap));
}

void MainWindow::setTitleLabel(std::string_view text) {
    titleLabel_.setText(fromGbk(text));
}

void MainWindow::setLogoPicture(std::string_view imageBytes) {
    QPixmap pixmap;
    if (pixmap.loadFromData(reinterpret_cast<const uchar*>(imageBytes.data()),
                            static_cast<uint>(imageBytes.size())))
        logoPicture_.setPixmap(pixmap);
}

void MainWindow::setSettingsEnabled(bool enabled) {
    settingsButton_.setEnabled(enabled);
}

void MainWindow::setCaptionsVisible(bool visible) {
    overlayLabel1_.setVisible(visible);
    overlayLabel2_.setVisible(visible);
}

void MainWindow::endProgram() {
    if (program_)
        releaseSharedState(program_->state);
    if (options_.endProcess)
        options_.endProcess();
}

}  // namespace tesmira::ui
