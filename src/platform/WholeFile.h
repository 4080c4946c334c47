#pragma once
// Result files are written whole or not at all. The bytes go into a new file
// beside the target; every write is checked, the file is synced to disk, and
// only then is it renamed over the target. On any failure the new file is
// removed and an earlier file of that name stays exactly as it was.

#include <QtGlobal>
#include <functional>

class QIODevice;
class QString;

namespace vt {

// Calls `fill` with the new file open for reading and writing (seekable, as
// TIFF needs) and commits it under `path` when `fill` returns true and every
// write, the sync, the close and the rename succeeded. `path` is taken as it
// is: no leading ":" or "~" means anything but a file name here.
bool WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& fill);

}  // namespace vt
