#include "services/Instanz.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "services/FileSys.h"

namespace instanz {

namespace {
int sperre = -1;  // held until the process ends; closing it would drop the lock

int oeffnen(const std::string& appPfad) {
    return ::open(fsys::native(appPfad + "Melvato.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
}

struct flock ganzeDatei() {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    return fl;
}
}  // namespace

bool sperren(const std::string& appPfad) {
    if (sperre >= 0) return true;
    const int fd = oeffnen(appPfad);
    if (fd < 0) return true;
    struct flock fl = ganzeDatei();
    if (::fcntl(fd, F_SETLK, &fl) != 0) {
        ::close(fd);
        return false;
    }
    const std::string pid = std::to_string(::getpid()) + "\r\n";
    const bool geschrieben =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.data(), pid.size(), 0) == ssize_t(pid.size());
    (void)geschrieben;  // the id in the file is for people; the lock itself names its holder
    sperre = fd;
    return true;
}

bool inhaberRufen(const std::string& appPfad) {
    if (sperre >= 0) return false;  // this process holds the lock itself
    const int fd = oeffnen(appPfad);
    if (fd < 0) return false;
    // The system names the process that holds the lock right now, so a stale id
    // can never be asked.
    struct flock fl = ganzeDatei();
    const bool gehalten = ::fcntl(fd, F_GETLK, &fl) == 0 && fl.l_type != F_UNLCK && fl.l_pid > 0;
    ::close(fd);
    return gehalten && ::kill(fl.l_pid, SIGUSR1) == 0;
}

}  // namespace instanz
