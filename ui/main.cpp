#include "core/ClockSeededRandom.h"
#include "ui/AppIdentity.h"
#include "ui/KringForm.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/desktop/StandardStreams.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// The options that every Qt program takes; they are Qt's to act on once the
// application starts.
const char* const QtOptionsWithValue[] = {
    "display", "geometry",      "platform",        "platformpluginpath", "platformtheme",
    "plugin",  "qmljsdebugger", "qwindowgeometry", "qwindowicon",        "qwindowtitle",
    "session", "style",         "stylesheet"};
const char* const QtSwitches[] = {"reverse", "widgetcount"};

// What was written to standard output must have arrived, as in any command
// line tool: a full disk or a closed output is an error.
int FinishOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "kringwoord: write error: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

// Answers --help and --version, and refuses anything unknown, before any
// window or display connection exists. Returns the exit status when the
// program ends here, nothing when the game should start.
std::optional<int> answerCommandLine(int& argc, char* argv[]) {
    // Without arguments the game starts and prints nothing.
    if (argc > 1)
        kring::ReachStartingConsole();
    QCoreApplication commandLine(argc, argv);
    QCommandLineParser parser;
    // -session and the like are single words, as Qt spells them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Kringwoord: vind het woord waarvan de letters een paardensprong vormen.\n"
                       "Find the Dutch word whose letters make a knight's tour.\n\n"
                       "Qt's own options, such as -session, -platform, -style and -display,\n"
                       "are passed on to Qt."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and quit."));
    parser.addOption(help);
    parser.addOption(version);
    const auto addQtOption = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : QtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char* name : QtSwitches)
        addQtOption(name, QString());

    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Unexpected argument '%s'.\n\n%s",
                     qPrintable(parser.positionalArguments().first()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return FinishOutput();
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", kring::identity::name, kring::identity::version);
        return FinishOutput();
    }
    return std::nullopt;
}

// Qt's messages while the application starts, held back: when no display can
// be opened, Qt ends with a fatal message after several lines of its own, and
// the player should read one line instead.
struct HeldMessage {
    QtMsgType type;
    const char* category;
    QString text;
};
QList<HeldMessage>* heldMessages = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("kringwoord: could not open a display; the game needs a desktop\n", stderr);
        std::_Exit(1);
    }
    heldMessages->append({type, context.category, text});
}

std::unique_ptr<QApplication> StartApplication(int& argc, char* argv[]) {
    QList<HeldMessage> held;
    heldMessages = &held;
    const QtMessageHandler before = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(before);
    heldMessages = nullptr;
    for (const HeldMessage& message : held)
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                          message.text);
    return app;
}

} // namespace

int main(int argc, char* argv[]) {
    kring::GuardClosedStandardStreams();
    QCoreApplication::setApplicationName(QString::fromLatin1(kring::identity::name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kring::identity::version));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(kring::identity::domain));
    if (const std::optional<int> status = answerCommandLine(argc, argv)) {
        return *status;
    }

    const std::unique_ptr<QApplication> app = StartApplication(argc, argv);
    // The game speaks Dutch, also to screen readers asking for its language.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kring::identity::applicationId));
    kring::QtDesktop desktop;
    kring::ClockSeededRandom random;
    kring::KringForm form(desktop, random);
    form.show();
    return app->exec();
}
