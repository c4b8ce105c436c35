#include "app/CorkwiseApp.h"

#include "app/AboutDialog.h"
#include "app/CMainFrame.h"
#include "app/CatalogueOpening.h"
#include "app/CommandIds.h"
#include "app/EndingSignals.h"
#include "app/FrameZoom.h"
#include "app/MainView.h"
#include "app/RecentCatalogues.h"
#include "app/SingleInstance.h"
#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogProblem.h"
#include "common/ErrorLog.h"
#include "controls/ReadablePalette.h"
#include "guide/WineGuide.h"
#include "personal/PersonalLock.h"
#include "platform/DataLocations.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSessionManager>
#include <QSettings>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace corkwise {

const QString CorkwiseApp::kProblemReadingText =
    QStringLiteral("Problem reading wines data. Please reinstall application.");
const QString CorkwiseApp::kAlreadyRunningText = QStringLiteral("Corkwise is already running.");

namespace {

constexpr double kMaxScale = 8.0;

// The program while it runs, for the last save at exit().
CorkwiseApp* gRunning = nullptr;

// When the display goes away, the toolkit ends the program with exit() from the event loop: no
// window can be asked anything any more, but the notes can still be written.
void saveAtExit() {
    if (gRunning != nullptr) {
        gRunning->endWithoutAsking(0);
    }
}

bool parseScale(const QString& text, double* scale) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= 1.0 && value <= kMaxScale)) {
        return false;
    }
    *scale = value;
    return true;
}

}  // namespace

QString usageText() {
    return QStringLiteral(
        "Usage: corkwise [options]\n"
        "A wine guide: five guided searches over a catalogue of wines, with notes and bookmarks.\n"
        "\n"
        "Options:\n"
        "  --catalogue FILE   read the catalogue FILE instead of wcat.res\n"
        "  --personal FILE    keep notes and bookmarks in FILE instead of personal.res\n"
        "  --screenshot FILE  write the window as a PNG after it first appears, then quit;\n"
        "                     messages are written to stderr instead of being shown\n"
        "  --scale N          zoom the window N times (1 to 8) for this run\n"
        "  --help             show this text\n"
        "  --version          show the version\n");
}

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (int i = 1; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        bool hasValue = false;
        const int equals = option.indexOf(QLatin1Char('='));
        if (option.startsWith(QLatin1String("--")) && equals > 0) {
            value = option.mid(equals + 1);
            option = option.left(equals);
            hasValue = true;
        }
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            line.help = true;
            continue;
        }
        if (option == QLatin1String("--version") || option == QLatin1String("-v")) {
            line.version = true;
            continue;
        }
        QString* target = nullptr;
        if (option == QLatin1String("--catalogue")) {
            target = &line.catalogue;
        } else if (option == QLatin1String("--personal")) {
            target = &line.personal;
        } else if (option == QLatin1String("--screenshot")) {
            target = &line.screenshot;
        } else if (option != QLatin1String("--scale")) {
            line.error = QStringLiteral("Unknown option: %1").arg(arguments[i]);
            return line;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("Option %1 needs a value.").arg(option);
                return line;
            }
            value = arguments[++i];
        }
        if (value.isEmpty()) {
            line.error = QStringLiteral("Option %1 needs a value.").arg(option);
            return line;
        }
        if (target != nullptr) {
            *target = value;
        } else if (!parseScale(value, &line.scale)) {
            line.error =
                QStringLiteral("The scale must be a number from 1 to 8, not %1.").arg(value);
            return line;
        }
    }
    return line;
}

CorkwiseApp::CorkwiseApp(CommandLine options) : options_(std::move(options)) {}

CorkwiseApp::~CorkwiseApp() {
    if (gRunning == this) {
        gRunning = nullptr;
    }
}

void CorkwiseApp::endWithoutAsking(int signalNumber) {
    if (frame_ == nullptr) {
        return;
    }
    const QString problem = frame_->saveWithoutAsking();
    if (!problem.isEmpty()) {
        QTextStream(stderr) << "Corkwise: " << problem << '\n';
    }
    if (signalNumber != 0) {
        QCoreApplication::exit(0);
    }
}

bool CorkwiseApp::initInstance() {
    const bool screenshot = !options_.screenshot.isEmpty();
    if (screenshot) {
        MessageBox::setUnattended(true);
    }

    // Every text readable: the selection and greyed items the toolkit draws otherwise fall short.
    QApplication::setPalette(readablePalette(QApplication::palette()));

    LocationInputs inputs;
    inputs.executableDir = executableDirectory();
    inputs.installedDataDir = installedDataDirectory(inputs.executableDir);
    inputs.userDataDir = userDataDirectory();
    inputs.catalogueOverride = options_.catalogue;
    inputs.personalOverride = options_.personal;
    const DataLocations where = resolveDataLocations(inputs);
    cataloguePath_ = where.catalogue;
    personalPath_ = where.personal;
    // The personal file's directory may be the user's data directory, which may not exist yet.
    QDir().mkpath(QFileInfo(personalPath_).absolutePath());

    // Taken before anything is read or traced: a second program must not even start a new
    // diagnostic log over the first one's.
    lock_ = std::make_unique<PersonalLock>(personalPath_);
    const QString channelName = SingleInstance::channelName(personalPath_);
    QString why;
    switch (lock_->tryLock(&why)) {
        case PersonalLock::Result::Locked:
            // Listening at once, before the frame is built: a second start in the meantime finds
            // the channel, and this program's window comes up in front anyway.
            listenForSecondStarts(channelName);
            break;
        case PersonalLock::Result::HeldElsewhere:
            lock_.reset();
            // As desktop programs do: the running window comes to the front and this start
            // ends silently. The message only when the running program cannot be reached.
            if (!SingleInstance::ask(channelName)) {
                MessageBox::show(nullptr, MessageBox::Icon::Information, QStringLiteral("Corkwise"),
                                 kAlreadyRunningText);
            }
            postQuit();
            return true;
        case PersonalLock::Result::Failed:
            if (lock_->isOdd()) {
                // A lock that cannot be judged may be another program's: the user decides.
                lock_.reset();
                MessageBox::show(nullptr, MessageBox::Icon::Warning, QStringLiteral("Corkwise"),
                                 why);
                postQuit();
                return true;
            }
            // A folder the lock cannot be made in cannot take a save either; the notes can
            // still be read, and a failing save is reported when it happens.
            lock_.reset();
            QTextStream(stderr) << "Corkwise: " << why << '\n';
            // Without the lock the channel is all that keeps two windows off one file.
            if (SingleInstance::ask(channelName)) {
                postQuit();
                return true;
            }
            listenForSecondStarts(channelName);
            break;
    }
    ErrorLog::setDirectory(QFileInfo(where.errorLog).absolutePath());

    // The catalogue last opened from the File menu, unless the command line names one; one that
    // has gone or gone bad since gives way to the usual catalogue.
    settings_ = std::make_unique<QSettings>();
    auto recent = std::make_unique<RecentCatalogues>(settings_.get());
    if (options_.catalogue.isEmpty() && !recent->lastOpened().isEmpty()) {
        const QString remembered = recent->lastOpened();
        const QString unusable = catalogueProblem(remembered, Catalog(remembered));
        if (unusable.isEmpty()) {
            cataloguePath_ = remembered;
        } else {
            QTextStream(stderr) << "Corkwise: " << unusable << "; opening " << cataloguePath_
                                << " instead\n";
        }
    }

    // A file the reader would open as a catalogue with missing tables or none is refused here,
    // by its path, rather than showing empty lists.
    const CatalogProblem problem = findCatalogProblem(cataloguePath_);
    if (!problem) {
        frame_ = std::make_unique<CMainFrame>(cataloguePath_, personalPath_);
        frame_->setRecentCatalogues(std::move(recent));
    }
    if (problem || !frame_->isOpened() || !frame_->create()) {
        frame_.reset();
        // A frame whose window cannot be built leaves the program as unable to run as a missing
        // catalogue does, and is reported the same way.
        const QString text = catalogueMessage(problem, options_.catalogue);
        if (!MessageBox::unattended()) {
            QTextStream(stderr) << "Corkwise: " << text;
            if (text == kProblemReadingText) {
                QTextStream(stderr) << " (" << (problem ? problem.text : cataloguePath_) << ")";
            }
            QTextStream(stderr) << "\n";
        }
        MessageBox::show(nullptr, MessageBox::Icon::Error, QStringLiteral("Corkwise"), text);
        postQuit();
        return true;
    }

    connect(frame_.get(), &CMainFrame::unhandledCommand, this, [this](int commandId) {
        if (commandId == command::kAbout) {
            showAbout();
        }
    });
    if (screenshot) {
        connect(frame_->mainView(), &MainView::firstPainted, this, &CorkwiseApp::writeScreenshot,
                Qt::QueuedConnection);
    }
#ifndef QT_NO_SESSIONMANAGER
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            const bool mayAsk = manager.allowsInteraction();
            if (!commitData(mayAsk)) {
                manager.cancel();
            }
            if (mayAsk) {
                manager.release();
            }
        });
    }
#endif
    // Ending signals and a lost display save the notes as Exit does, without a question.
    signals_ = std::make_unique<EndingSignals>([this](int number) { endWithoutAsking(number); });
    gRunning = this;
    static const bool registered = std::atexit(saveAtExit) == 0;
    Q_UNUSED(registered);
    // A screenshot shows the design size (or --scale), whatever the user's last zoom was.
    const double scaleOverride = options_.scale != 1.0 ? options_.scale : (screenshot ? 1.0 : 0.0);
    QSettings settings;
    frame_->zoom()->restore(settings, scaleOverride);
    // Kept as soon as it changes, and once more with the window's place when the program ends.
    connect(frame_->zoom(), &FrameZoom::zoomChanged, this, [this] {
        QSettings kept;
        frame_->zoom()->save(kept);
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (frame_ != nullptr) {
            QSettings kept;
            frame_->zoom()->save(kept);
        }
    });
    frame_->show();
    return true;
}

QString CorkwiseApp::catalogueMessage(const CatalogProblem& problem, const QString& namedPath) {
    // Reinstalling helps with the catalogue the program brings, not with a file the user named.
    if (namedPath.isEmpty()) {
        return kProblemReadingText;
    }
    if (problem) {
        return problem.text;
    }
    return QStringLiteral("%1 cannot be opened as a catalogue.")
        .arg(QDir::toNativeSeparators(namedPath));
}

void CorkwiseApp::listenForSecondStarts(const QString& channelName) {
    channel_ = std::make_unique<SingleInstance>();
    QString error;
    if (!channel_->listen(channelName, &error)) {
        // Two windows on one file stay impossible (the lock); a second start says so instead.
        QTextStream(stderr) << "Corkwise: a second start cannot reach this one: " << error << '\n';
        channel_.reset();
        return;
    }
    connect(channel_.get(), &SingleInstance::activationRequested, this, &CorkwiseApp::bringToFront);
}

void CorkwiseApp::bringToFront() {
    if (frame_ == nullptr || !frame_->isVisible()) {
        return;  // still starting: its window will appear in front
    }
    frame_->setWindowState((frame_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
}

bool CorkwiseApp::commitData(bool mayAsk) {
    return frame_ == nullptr || frame_->saveBeforeExit(mayAsk);
}

void CorkwiseApp::postQuit() {
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

QWidget* CorkwiseApp::showAbout() {
    if (frame_ == nullptr) {
        return nullptr;
    }
    FilesInUse files;
    files.cataloguePath = cataloguePath_;
    files.personalPath = personalPath_;
    if (WineGuide* guide = frame_->guide()) {
        if (const Catalog* catalog = guide->catalog()) {
            // The catalogue the guide reads, which may not be the one the program started with.
            files.cataloguePath = QFileInfo(catalog->file()->path()).absoluteFilePath();
            files.wines = AboutDialog::wineCount(*catalog);
        }
        guide->loadPersonal();
        files.entries = guide->personalCount();
    }
    files.catalogueDate = QFileInfo(files.cataloguePath).lastModified();
    auto* about = new AboutDialog(frame_.get(), files);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
    // Centred over the frame.
    const QRect frame = frame_->frameGeometry();
    about->move(frame.center() - QPoint(about->width() / 2, about->height() / 2));
    return about;
}

void CorkwiseApp::writeScreenshot() {
    if (frame_ == nullptr) {
        return;
    }
    const QPixmap picture = frame_->grab();
    if (!picture.save(options_.screenshot, "PNG")) {
        QTextStream(stderr) << "Corkwise: cannot write the screenshot " << options_.screenshot
                            << "\n";
        QCoreApplication::exit(1);
        return;
    }
    QCoreApplication::exit(0);
}

}  // namespace corkwise
