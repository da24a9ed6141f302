#include "Pictures.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>

namespace tessaly {
namespace {

class PngReader final : public QImageReader {
public:
    explicit PngReader(const QString& resource) : QImageReader(resource, "png") { setAutoDetectImageFormat(false); }
};

} // namespace

QPixmap loadPicture(const QString& resource)
{
    const QString key = QStringLiteral("tessaly:") + resource;
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = QPixmap::fromImage(PngReader(resource).read());
    QPixmapCache::insert(key, picture);
    return picture;
}

QSize pictureSize(const QString& resource) { return PngReader(resource).size(); }

QString doubleSizeOf(const QString& resource) { return QString(resource).insert(resource.lastIndexOf(u'.'), u"@2x"); }

QIcon pictureIcon(const QString& resource)
{
    QIcon icon;
    icon.addPixmap(loadPicture(resource));
    if (qGuiApp->devicePixelRatio() > 1)
        icon.addPixmap(loadPicture(doubleSizeOf(resource)));
    return icon;
}

} // namespace tessaly
