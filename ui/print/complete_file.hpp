// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace tessaly {

// Writes `bytes` to the file `path` completely or not at all: into a new file
// in the same folder, with every write and the flush to the disk checked, then
// renamed over `path`. When anything fails, a file that was at `path` stays as
// it was and nothing is left behind. An empty string on success, otherwise the
// reason in plain words ("The disk is full.").
QString writeCompleteFile(const QString& path, const QByteArray& bytes);

// Why a file operation that failed with `error` (an errno value) failed, in
// plain words.
QString fileErrorReason(int error);

} // namespace tessaly
