// While the game runs it holds a mutex named after its application id, in the
// namespace that every session shares. The installer and the uninstaller
// (packaging/windows/NSIS.template.in) leave the installation alone while it
// exists. Windows closes the handle when the program ends, however it ends.

#include "ui/AppIdentity.h"

#include <windows.h>

#include <string>

namespace {

const HANDLE runningMutex = ::CreateMutexA(
    nullptr, FALSE, (std::string("Global\\") + kring::identity::applicationId).c_str());

} // namespace
