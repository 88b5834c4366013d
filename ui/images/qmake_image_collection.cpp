#include "qmake_image_collection.h"

#include "mimesourcefactory.h"

#include <QByteArray>
#include <QImage>
#include <QMimeData>
#include <QString>

#include <memory>

namespace {

struct EmbedImage
{
    int width;
    int height;
    int depth;
    const unsigned char* data;
    unsigned long compressed;
    int numColors;
    const QRgb* colorTable;
    bool alpha;
    const char* name;
};

// image_0_data ... and embed_image_vec, generated from the PNG files beside it by embed_images.
#include "embedded_images.inc"

QImage uic_findImage(const QString& name)
{
    for (const EmbedImage* e = embed_image_vec; e->data; ++e) {
        if (QString::fromUtf8(e->name) != name)
            continue;
        const QByteArray pixels = qUncompress(e->data, static_cast<qsizetype>(e->compressed));
        // Every image in the table is 32-bit; refuse rather than read past a short buffer.
        if (e->depth != 32 || pixels.size() != qsizetype(e->width) * e->height * 4)
            return {};
        const QImage view(reinterpret_cast<const uchar*>(pixels.constData()), e->width, e->height,
            e->width * 4, e->alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        // The view borrows `pixels`, which dies here: hand out an image that owns its copy.
        return view.copy();
    }
    return {};
}

class MimeSourceFactory_Velkaro : public MimeSourceFactory
{
public:
    ~MimeSourceFactory_Velkaro() override = default;

    const QMimeData* data(const QString& abs_name) const override
    {
        if (const QMimeData* stored = MimeSourceFactory::data(abs_name))
            return stored;
        if (abs_name.isNull())
            return nullptr;
        const QImage image = uic_findImage(abs_name);
        if (!image.isNull()) {
            // The store only caches what the table already holds, so filling it on a lookup
            // leaves the factory's answers unchanged; the factory itself is never const.
            const_cast<MimeSourceFactory_Velkaro*>(this)->setImage(abs_name, image);
        }
        return MimeSourceFactory::data(abs_name);
    }
};

// Constant-initialised, so both outlive the registration object below.
std::unique_ptr<MimeSourceFactory_Velkaro> registered;
MimeSourceFactory_Velkaro* factory = nullptr;

class StaticInitImages_Velkaro
{
public:
    StaticInitImages_Velkaro() { qInitImages_Velkaro(); }
    ~StaticInitImages_Velkaro() { qCleanupImages_Velkaro(); }
    StaticInitImages_Velkaro(const StaticInitImages_Velkaro&) = delete;
    StaticInitImages_Velkaro& operator=(const StaticInitImages_Velkaro&) = delete;
};

} // namespace

void qInitImages_Velkaro()
{
    if (factory)
        return;
    registered = std::make_unique<MimeSourceFactory_Velkaro>();
    factory = registered.get();
    MimeSourceFactory::addFactory(factory);
}

void qCleanupImages_Velkaro()
{
    if (!factory)
        return;
    MimeSourceFactory::removeFactory(factory);
    factory = nullptr;
    registered.reset();
}

namespace {
StaticInitImages_Velkaro staticImages;
} // namespace
