// Runs one atomic save in a process of its own, so that a test can limit what the process may
// do (a file size limit, another user):
//   save_child PATH [FILE_SIZE_LIMIT] < BYTES
// Exits 0 when saved; prints the reason and exits 1 when not.
#include "output/AtomicWrite.h"

#include <QFile>
#include <QTextStream>

#include <csignal>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    if (argc < 2 || argc > 3)
        return 2;
    if (argc == 3) {
        const rlim_t limit = std::stoull(argv[2]);
        const rlimit fileSize{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            return 2;
        // Past the limit a write fails with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QByteArray bytes = in.readAll();
    if (const std::optional<QString> reason = writeFileAtomically(QFile::decodeName(argv[1]), bytes)) {
        QTextStream(stdout) << *reason;
        return 1;
    }
    return 0;
}
