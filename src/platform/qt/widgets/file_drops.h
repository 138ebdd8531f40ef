#pragma once

#include <QStringList>

class QMimeData;

namespace ductora::platform::qt {

// The files of a drop the program takes: one list file, or pipe files (the first is opened,
// the others appended). Empty for anything else, which is refused.
QStringList droppableFiles(const QMimeData* data);

}  // namespace ductora::platform::qt
