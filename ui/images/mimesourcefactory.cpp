#include "mimesourcefactory.h"

#include <QImage>
#include <QMimeData>
#include <QPixmap>

#include <algorithm>

MimeSourceFactory::MimeSourceFactory() = default;

MimeSourceFactory::~MimeSourceFactory() = default;

const QMimeData* MimeSourceFactory::data(const QString& abs_name) const
{
    const auto found = store.find(abs_name);
    if (found != store.end())
        return found->second.get();
    // Only the default factory delegates; the others answer from their own store, so that a
    // factory may ask its base without going round in circles.
    if (this != defaultFactory())
        return nullptr;
    for (const MimeSourceFactory* f : factories) {
        if (const QMimeData* source = f->data(abs_name))
            return source;
    }
    return nullptr;
}

void MimeSourceFactory::setImage(const QString& abs_name, const QImage& image)
{
    std::unique_ptr<QMimeData>& source = store[abs_name];
    if (!source)
        source = std::make_unique<QMimeData>();
    source->setImageData(image);
}

MimeSourceFactory* MimeSourceFactory::defaultFactory()
{
    static MimeSourceFactory instance;
    return &instance;
}

void MimeSourceFactory::addFactory(MimeSourceFactory* f)
{
    MimeSourceFactory* const d = defaultFactory();
    if (!f || f == d)
        return;
    if (std::find(d->factories.cbegin(), d->factories.cend(), f) == d->factories.cend())
        d->factories.push_back(f);
}

void MimeSourceFactory::removeFactory(MimeSourceFactory* f)
{
    std::vector<MimeSourceFactory*>& list = defaultFactory()->factories;
    list.erase(std::remove(list.begin(), list.end(), f), list.end());
}

QPixmap pixmapFromMimeSource(const QString& name)
{
    const QMimeData* source = MimeSourceFactory::defaultFactory()->data(name);
    if (!source || !source->hasImage())
        return {};
    return QPixmap::fromImage(qvariant_cast<QImage>(source->imageData()));
}
