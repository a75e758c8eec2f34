#include "XvfbServer.h"

#include <cerrno>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int readyTimeoutMs = 20000;

} // namespace

XvfbServer::~XvfbServer() {
    stop();
}

bool XvfbServer::start(QString* error) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        *error = QStringLiteral("pipe: %1").arg(qt_error_string(errno));
        return false;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        *error = QStringLiteral("fork: %1").arg(qt_error_string(errno));
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        // The server must not outlive a test that crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        close(fds[0]);
        const int writeFd = dup(fds[1]); // without O_CLOEXEC, so Xvfb inherits it
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        const std::string fd = std::to_string(writeFd);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-dpi",
               "96", "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    pid_ = pid;

    // Xvfb writes the display number and a line end once it accepts clients.
    std::string number;
    bool ready = false;
    while (!ready) {
        pollfd p{fds[0], POLLIN, 0};
        const int n = poll(&p, 1, readyTimeoutMs);
        if (n <= 0)
            break;
        char c = 0;
        if (read(fds[0], &c, 1) != 1)
            break;
        if (c == '\n')
            ready = !number.empty();
        else
            number += c;
    }
    close(fds[0]);
    if (!ready) {
        *error = QStringLiteral(
                     "Xvfb did not report a display within %1 s (is the xvfb package installed?)")
                     .arg(readyTimeoutMs / 1000);
        stop();
        return false;
    }
    display_ = QStringLiteral(":") + QString::fromStdString(number);
    return true;
}

void XvfbServer::stop() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    display_.clear();
}
