// SPDX-License-Identifier: MIT
#include "cli/cli.h"
#include "cli/output.h"
#include "data/paths.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A standard stream started closed would be handed to the next file opened,
// the database perhaps, and output would land there. It is held open on a
// device that refuses every transfer, so that writing fails as it should.
void holdClosedStandardStreams()
{
    for (const int descriptor : { STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO }) {
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            const int held = ::open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
            if (held >= 0 && held != descriptor) {
                ::dup2(held, descriptor);
                ::close(held);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    holdClosedStandardStreams();
    // A closed pipe or a file-size limit is a failed write to report, not a
    // signal that ends the program silently halfway through.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);

    QCoreApplication app(argc, argv);
    // The name of the user's data folder, shared with the program.
    QCoreApplication::setApplicationName(QStringLiteral("zelpo"));
    zelpo::cli::DescriptorOutput standardOutput(STDOUT_FILENO);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    int code = zelpo::cli::run(QCoreApplication::arguments().mid(1), out, err, zelpo::app::defaultDatabasePath());
    // Some file systems report a failed write only when the file is closed.
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF && code == 0) {
        err << "zelpo-cli: " << zelpo::cli::cannotWriteOutput(QString::fromLocal8Bit(std::strerror(errno))) << '\n';
        code = 1;
    }
    return code;
}
