#include "mimesourcefactory.h"

#include <QImage>
#include <QMimeData>
#include <QPixmap>

MimeSourceFactory::MimeSourceFactory() = default;
MimeSourceFactory::~MimeSourceFactory() = default;
const QMimeData* MimeSourceFactory::data(const QString&) const { return nullptr; }
void MimeSourceFactory::setImage(const QString&, const QImage&) {}
MimeSourceFactory* MimeSourceFactory::defaultFactory() { static MimeSourceFactory f; return &f; }
void MimeSourceFactory::addFactory(MimeSourceFactory*) {}
void MimeSourceFactory::removeFactory(MimeSourceFactory*) {}
QPixmap pixmapFromMimeSource(const QString&) { return {}; }
