#pragma once

// Widgets ask for their icons by file name ("open-18x18.png"). A process-wide default factory
// answers from its own store or from the factories added to it; the embedded image collection is
// one of those.
//
// Factories and their stores hold images only, never pixmaps, so that they can be set up and torn
// down by static objects, outside the lifetime of the application object.

#include <QString>

#include <map>
#include <memory>
#include <vector>

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
    // A name keeps its source for the factory's lifetime, so pointers handed out stay valid
    // when the name's image is replaced.
    std::map<QString, std::unique_ptr<QMimeData>> store;
    // Asked in order by the default factory when its own store has no answer.
    std::vector<MimeSourceFactory*> factories;
};

// The pixmap stored under `name` in the default factory or one of its factories; null if none.
// Needs the application object, like every pixmap.
QPixmap pixmapFromMimeSource(const QString& name);
