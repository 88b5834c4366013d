#pragma once

// Widgets ask for their icons by file name ("open-18x18.png"). A process-wide default factory
// answers from its own store or from the factories added to it; the embedded image collection is
// one of those.

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class QImage;
class QMimeData;
class QPixmap;

class MimeSourceFactory
{
public:
    MimeSourceFactory();
    virtual ~MimeSourceFactory();
    MimeSourceFactory(const MimeSourceFactory&) = delete;
    MimeSourceFactory& operator=(const MimeSourceFactory&) = delete;

    // The source stored under `abs_name`, or null. The source belongs to the factory.
    virtual const QMimeData* data(const QString& abs_name) const;
    virtual void setImage(const QString& abs_name, const QImage& image);

    static MimeSourceFactory* defaultFactory();
    static void addFactory(MimeSourceFactory* f);
    static void removeFactory(MimeSourceFactory* f);

private:
    QHash<QString, std::shared_ptr<QMimeData>> store;
    QList<MimeSourceFactory*> factories;
};

// The pixmap stored under `name` in the default factory or one of its factories; null if none.
QPixmap pixmapFromMimeSource(const QString& name);
