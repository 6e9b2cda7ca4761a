// SPDX-License-Identifier: MIT
// Where zelpo-cli writes: standard output, or a file replaced whole. Both
// keep the system's reason for a failed write, so that the command can say
// why its output is not there instead of leaving a cut-short file behind.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace zelpo::cli {

// A file descriptor as a write-only device, unbuffered: every write reaches
// the system at once, and a refused write fails with the system's reason.
class DescriptorOutput final : public QIODevice {
public:
    explicit DescriptorOutput(int descriptor);
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    int m_descriptor;
};

// What stands at `path` when it is not a regular file ("a folder", "a named
// pipe", "a device" ...), or an empty text when it is one or is not there.
QString notARegularFile(const QString& path);

// Writes `bytes` to a new file beside `path` and renames it into place, so
// that `path` holds either all of them or what it held before. Returns the
// system's reason on failure, an empty text on success.
QString replaceFile(const QString& path, const QByteArray& bytes);

} // namespace zelpo::cli
