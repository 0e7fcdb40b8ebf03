#pragma once

#include <QImage>

class QQuickWindow;

namespace showcase {

/// What the window shows now, drawn anew; a null image when it cannot be had.
QImage grabWindow(QQuickWindow& window);

} // namespace showcase
