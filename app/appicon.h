#pragma once

#include <QIcon>

// The program's icon from the resources built into it, in every size it is drawn in.
QIcon applicationIcon();
