// The shut-down privilege. Windows NT and later refuse to shut down or restart for a process
// that has not enabled it in its own token; a log-off needs no privilege.
#pragma once

namespace services {

// Enables SE_SHUTDOWN_NAME in this process's token. Returns whether it is now enabled; a
// failure is only reported through the result, and nobody is told.
bool EnableShutdownPrivilege();

// Whether this process's token has the shut-down privilege, enabled.
bool ShutdownPrivilegeEnabled();

}  // namespace services
