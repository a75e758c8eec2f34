#include "core/ClockSeededRandom.h"
#include "ui/AppIdentity.h"
#include "ui/KringForm.h"
#include "ui/QtDesktop.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

// Answers --help and --version, and refuses anything else, before any window
// or display connection exists. Returns the exit status when the program
// ends here, nothing when the game should start.
std::optional<int> answerCommandLine(int& argc, char* argv[]) {
    // Qt's own options are not offered: the window only exists later.
    QCoreApplication commandLine(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kringwoord: vind het woord waarvan de letters een paardensprong vormen.\n"
                       "Find the Dutch word whose letters make a knight's tour."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and quit."));
    parser.addOption(help);
    parser.addOption(version);

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
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", kring::identity::name, kring::identity::version);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QString::fromLatin1(kring::identity::name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kring::identity::version));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(kring::identity::domain));
    if (const std::optional<int> status = answerCommandLine(argc, argv)) {
        return *status;
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kring::identity::applicationId));
    kring::QtDesktop desktop;
    kring::ClockSeededRandom random;
    kring::KringForm form(desktop, random);
    form.show();
    return app.exec();
}
