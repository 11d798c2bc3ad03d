// One atomic save in a process a test can limit (file size, user): save_child PATH BYTES_FILE [FILE_SIZE_LIMIT]
// Exits 0 when saved; prints the reason and exits 1 when not. Windows has no file size limit.
#include "core/output/AtomicWrite.h"

#include <QFile>
#include <QTextStream>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    if (argc == 4) {
        const rlim_t limit = std::stoull(argv[3]);
        const rlimit fileSize{limit, limit};
        // Past the limit a write fails with EFBIG instead of ending the process.
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0 || std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR)
            return 2;
    }
#endif
    if (argc < 3 || argc > 4)
        return 2;
    QFile in(QFile::decodeName(argv[2]));
    if (!in.open(QIODevice::ReadOnly))
        return 2;
    const std::optional<QString> reason = writeFileAtomically(QFile::decodeName(argv[1]), in.readAll());
    if (reason)
        QTextStream(stdout) << *reason;
    return reason ? 1 : 0;
}
