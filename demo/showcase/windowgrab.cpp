#include "demo/showcase/windowgrab.h"

#include <QPixmap>
#include <QQuickWindow>
#include <QScreen>

namespace showcase {

QImage grabWindow(QQuickWindow& window)
{
    QImage image = window.grabWindow();
    // The software scene graph reads the frame back from the window's backing
    // store, which keeps none on the offscreen platform; its screen composes
    // the frame that the grab has just drawn.
    if (image.isNull() && window.screen())
        image = window.screen()->grabWindow(window.winId()).toImage();
    return image;
}

} // namespace showcase
