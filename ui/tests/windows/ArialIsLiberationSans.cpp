// The tests' fonts on Windows come from one folder, with no fontconfig to say
// that Liberation Sans stands in for Arial, as it does on Linux.

#include <QCoreApplication>
#include <QFont>

namespace {

void UseLiberationSansForArial() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(UseLiberationSansForArial)
