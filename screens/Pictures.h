#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tessaly {

// Our pictures, compiled in as PNG. They are read as PNG straight away: left to guess the
// format, Qt would load every image format plugin it has (the SVG one with its library)
// before the first screen could be drawn.

// The picture, read once and then shared by everything that draws it.
QPixmap loadPicture(const QString& resource);
// Its size in pixels, from its header alone.
QSize pictureSize(const QString& resource);
// The resource of the same picture at twice the size: "name@2x.png".
QString doubleSizeOf(const QString& resource);
// An icon of the picture, with its double size where the screens need it, as QIcon(resource)
// would make it.
QIcon pictureIcon(const QString& resource);

} // namespace tessaly
