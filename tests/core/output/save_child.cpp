// One atomic save in a process a test can limit (file size, user): save_child PATH [FILE_SIZE_LIMIT] < BYTES
// Exits 0 when saved; prints the reason and exits 1 when not. Windows has no file size limit.
#include "core/output/AtomicWrite.h"

#include <QFile>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    if (argc == 3) {
        const rlim_t limit = std::stoull(argv[2]);
        const rlimit fileSize{limit, limit};
        // Past the limit a write fails with EFBIG instead of ending the process.
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0 || std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR)
            return 2;
    }
#else
    _setmode(_fileno(stdin), _O_BINARY); // the bytes as they are, line ends too
#endif
    QFile in;
    if (argc < 2 || argc > 3 || !in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const std::optional<QString> reason = writeFileAtomically(QFile::decodeName(argv[1]), in.readAll());
    if (reason)
        QTextStream(stdout) << *reason;
    return reason ? 1 : 0;
}
