#pragma once

// A core file that shows a window: the layer check must refuse it.
#include <QWidget>
