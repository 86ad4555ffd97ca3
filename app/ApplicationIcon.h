#pragma once

#include <QIcon>

// The tool's icon for its windows, at the sizes title bars and task bars use.
QIcon applicationIcon();
