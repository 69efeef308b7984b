#pragma once

#include <QPixmap>

/// The program's icon: a globe with a great-circle path over it, drawn at `size`
/// pixels square.
QPixmap ProgramIcon(int size);
